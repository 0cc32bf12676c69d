#include "editor/edit_strip_widget.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QProxyStyle>
#include <QStyleOptionComplex>
#include <algorithm>

#include "dialog_font.h"
#include "field_keys.h"
#include "model/spec_grid.h"
#include "text/cell_codec.h"
#include "text/list_items.h"

namespace gyrant {
namespace {

constexpr int kLeft = 10;
constexpr int kCaptionTop = 4, kCaptionHeight = 16;
constexpr int kFieldTop = 21, kFieldHeight = 22;
constexpr int kHelpTop = 48, kHelpHeight = 44;
constexpr int kButtonWidth = 88, kButtonHeight = 24;
constexpr int kSelectorExtra = 16;

// A narrow arrow leaves the short Units and Material lists room for their words. A style, not a
// style sheet: a sheet would slow the polish and the paint of every field of the strip.
class NarrowArrowStyle : public QProxyStyle {
  public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        constexpr int kArrowWidth = 11;
        if (control == CC_ComboBox && sub == SC_ComboBoxArrow)
            return {option->rect.right() - kArrowWidth, option->rect.top(), kArrowWidth,
                    option->rect.height()};
        if (control == CC_ComboBox && sub == SC_ComboBoxEditField)
            return option->rect.adjusted(3, 2, -kArrowWidth - 2, -2);
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
};

int FieldLeft(int field) {
    int twips = 0;
    for (int column = 0; column < field; ++column) twips += ColumnWidthTwips(column);
    return kLeft + TwipsToPixels(twips);
}

int FieldWidth(int field) {
    return TwipsToPixels(ColumnWidthTwips(field));
}

int StripWidth() {
    return FieldLeft(kStripFields);
}

}  // namespace

EditStripWidget::EditStripWidget(RowEditor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor) {
    setFont(DialogFont(font()));
    m_listStyle = new NarrowArrowStyle;
    m_listStyle->setParent(this);
    BuildFields();
    BuildButtons();
    setFixedHeight(kHelpTop + kHelpHeight + 6);
    setMinimumWidth(StripWidth() + kLeft);
    m_editor.SetStripDrawer([this] { Show(false); });
    m_typeAhead.setSingleShot(true);
    connect(&m_typeAhead, &QTimer::timeout, this, &EditStripWidget::PickTypedRow);
}

void EditStripWidget::BuildFields() {
    for (int field = 0; field < kStripFields; ++field) {
        QRect place(FieldLeft(field), kFieldTop, FieldWidth(field), kFieldHeight);
        // The row selector takes some of the description's room, so two-digit rows show whole.
        if (field == kRowSelector) place.setWidth(place.width() + kSelectorExtra);
        if (field == kColDescription) place.setLeft(place.left() + kSelectorExtra);
        auto* caption = new QLabel(QString::fromLatin1(ColumnHeading(field).data()), this);
        caption->setObjectName(QStringLiteral("SpecName_%1").arg(field));
        caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
        caption->setAlignment(Qt::AlignCenter);
        caption->setGeometry(place.left(), kCaptionTop, place.width(), kCaptionHeight);
        caption->installEventFilter(this);
        m_captions[static_cast<std::size_t>(field)] = caption;
        if (HasTextBox(field)) {
            auto* box = new QLineEdit(this);
            box->setObjectName(QStringLiteral("SpecData_%1").arg(field));
            box->setGeometry(place);
            box->installEventFilter(this);
            connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
                m_editor.Strip().Field(field).text = ToCell(text);
            });
            // Fields that only show would hand typing on to the table.
            box->setReadOnly(IsReadOnly(field));
            if (IsReadOnly(field)) box->setFocusPolicy(Qt::NoFocus);
            m_textBoxes[static_cast<std::size_t>(field)] = box;
        }
        if (HasList(field)) {
            auto* list = new QComboBox(this);
            list->setObjectName(QStringLiteral("cmbSpecData_%1").arg(field));
            list->setGeometry(place);
            list->installEventFilter(this);
            connect(list, &QComboBox::activated, this,
                    [this, field](int index) { ListChosen(field, index); });
            m_lists[static_cast<std::size_t>(field)] = list;
        }
    }
}

void EditStripWidget::BuildButtons() {
    m_helpLine = new QLabel(this);
    m_helpLine->setObjectName(QStringLiteral("Label1"));
    m_helpLine->setWordWrap(true);
    m_helpLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    int buttonsLeft = StripWidth() - 3 * (kButtonWidth + 6);
    m_helpLine->setGeometry(kLeft, kHelpTop, buttonsLeft - kLeft - 8, kHelpHeight);
    m_vehicle = new QLabel(this);
    m_vehicle->setObjectName(QStringLiteral("Vehicle"));
    QFont bold = font();
    bold.setBold(true);
    m_vehicle->setFont(bold);
    // Each has its Alt key, none of them one of the menu bar's.
    const QString captions[] = {QStringLiteral("&Refresh"), QStringLiteral("Copy &Down"),
                                QStringLiteral("&Keep Change")};
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i] = new QPushButton(captions[i], this);
        m_buttons[i]->setGeometry(buttonsLeft + static_cast<int>(i) * (kButtonWidth + 6), kHelpTop,
                                  kButtonWidth, kButtonHeight);
    }
    m_buttons[2]->setDefault(false);
    m_calc = new QPushButton(QStringLiteral("C&alc"), this);
    m_calc->setObjectName(QStringLiteral("ClcBttn"));
    ConnectButtons();
}

void EditStripWidget::ConnectButtons() {
    const std::array<void (EditStripWidget::*)(), 4> acts = {
        &EditStripWidget::refreshClicked, &EditStripWidget::copyDownClicked,
        &EditStripWidget::keepChangeClicked, &EditStripWidget::calcClicked};
    for (std::size_t i = 0; i < acts.size(); ++i) {
        QPushButton* button = AllButtons()[i];
        connect(button, &QPushButton::clicked, this, [this, button, act = acts[i]] {
            if (LeaveBoxFor(button)) emit(this->*act)();
        });
    }
}

bool EditStripWidget::LeaveBoxFor(QPushButton* button) {
    // A button pressed by its Alt key leaves the box that has the focus, as a click does, and
    // acts only when that box accepted its entry.
    m_refused = false;
    button->setFocus(Qt::ShortcutFocusReason);
    return !m_refused;
}

QPushButton* EditStripWidget::Button(const QString& caption) {
    // Found by the caption the user reads, without its Alt key's mark.
    for (QPushButton* button : AllButtons())
        if (QString(button->text()).remove(QChar('&')) == caption) return button;
    return nullptr;
}

void EditStripWidget::Show(bool moveFocus) {
    const EditStrip& strip = m_editor.Strip();
    for (int field = 0; field < kStripFields; ++field) ShowField(field);
    ShowVehicleAndHelp(FromCell(strip.vehicle), FromCell(strip.helpLine));
    m_helpLine->setToolTip(m_helpLine->text());
    m_calc->setGeometry(kLeft + TwipsToPixels(strip.calcLeftTwips), kFieldTop, 52, kFieldHeight);
    m_calc->setVisible(strip.calcShown);
    PlaceValueList();
    if (!moveFocus) return;
    int focus = strip.focusField;
    QWidget* target = FieldControl(focus);
    if (!target || !target->isVisible()) return;
    // A box that keeps the focus while a new row is loaded starts over from the new text.
    if (target->hasFocus() && !strip.IsList(focus)) {
        m_editor.EnterTextBox(focus);
        TextBox(focus)->setSelection(0, 30);
    }
    target->setFocus(Qt::OtherFocusReason);
}

void EditStripWidget::ShowField(int field) {
    const StripField& model = m_editor.Strip().Field(field);
    m_captions[static_cast<std::size_t>(field)]->setVisible(model.shown);
    if (QLineEdit* box = TextBox(field)) {
        box->setVisible(model.shown && !model.showsList);
        box->setEnabled(model.enabled);
        QString text = FromCell(model.text);
        if (box->text() != text) box->setText(text);
    }
    if (QComboBox* list = List(field)) {
        bool shown = model.shown && model.showsList;
        if (shown) PrepareList(list);
        list->setVisible(shown);
        list->setEnabled(model.enabled);
        ShowListItems(list, model.items, model.listIndex);
    }
}

void EditStripWidget::PrepareList(QComboBox* list) {
    // Made ready when it first shows: its style and its size rule each build its popup at once,
    // and most lists of the strip are seldom shown.
    if (list->style() == m_listStyle) return;
    list->setStyle(m_listStyle);
    // The list has its place; measuring every item for a size would only slow it.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(2);
}

void EditStripWidget::PlaceValueList() {
    const EditStrip& strip = m_editor.Strip();
    int width = FieldWidth(kColValue);
    // On a row without dimensions the Value list spreads over their empty places, so that its
    // longer choices show whole.
    if (!strip.Field(kColOD).shown && !strip.calcShown)
        width += FieldWidth(kColOD) + FieldWidth(kColID) + FieldWidth(kColWidth);
    List(kColValue)->resize(width, kFieldHeight);
}

void EditStripWidget::ShowVehicleAndHelp(const QString& vehicle, const QString& help) {
    // The vehicle's name stands under the row number, and the help line follows it.
    m_vehicle->setText(vehicle);
    QRect helpPlace = m_helpLine->geometry();
    m_vehicle->setGeometry(kLeft, helpPlace.top(), m_vehicle->sizeHint().width(),
                           m_vehicle->sizeHint().height());
    helpPlace.setLeft(m_vehicle->geometry().right() + 8);
    m_helpLine->setGeometry(helpPlace);
    m_helpLine->setText(help);
}

QWidget* EditStripWidget::FieldControl(int field) {
    if (m_editor.Strip().IsList(field)) return List(field);
    return TextBox(field);
}

void EditStripWidget::CaptionClicked(int field) {
    QWidget* control = FieldControl(field);
    if (control && control->isVisible() && control->isEnabled() &&
        control->focusPolicy() != Qt::NoFocus)
        control->setFocus(Qt::MouseFocusReason);
}

void EditStripWidget::ListChosen(int field, int index) {
    if (field == kRowSelector) {
        emit rowChosen(m_editor.Strip().RowAt(index));
        return;
    }
    m_editor.ListClick(field, index);
    Show(false);
    emit changed();
}

int EditStripWidget::FieldOf(QObject* widget) const {
    for (int field = 0; field < kStripFields; ++field) {
        if (m_textBoxes[static_cast<std::size_t>(field)] == widget) return field;
        if (m_lists[static_cast<std::size_t>(field)] == widget) return field;
    }
    return -1;
}

bool EditStripWidget::eventFilter(QObject* watched, QEvent* event) {
    auto caption = std::find(m_captions.begin(), m_captions.end(), watched);
    if (caption != m_captions.end() && event->type() == QEvent::MouseButtonPress) {
        CaptionClicked(static_cast<int>(caption - m_captions.begin()));
        return true;
    }
    int field = FieldOf(watched);
    if (field < 0) return QWidget::eventFilter(watched, event);
    if (field == kRowSelector && RowSelectorKey(event)) return true;
    if (StepBetweenFields(watched, event)) return true;
    if (qobject_cast<QLineEdit*>(watched) &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        return TextBoxFocus(field, event);
    return QWidget::eventFilter(watched, event);
}

void EditStripWidget::keyPressEvent(QKeyEvent* event) {
    if (!EnterToNextField(this, event)) QWidget::keyPressEvent(event);
}

bool EditStripWidget::RowSelectorKey(QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_typedRow.isEmpty()) {
        // Digits not yet taken up pick nothing once the user has gone elsewhere.
        m_typeAhead.stop();
        m_typedRow.clear();
        ShowField(kRowSelector);
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !m_typedRow.isEmpty()) {
        PickTypedRow();
        return true;
    }
    bool typed = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                 !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!typed) return false;
    m_typedRow += key->text();
    // The row typed so far shows at once; it loads only when the typing is done, so that no
    // later digit reaches a field of a row on the way.
    int position = m_editor.Strip().PositionTyped(ToCell(m_typedRow));
    if (position >= 0) List(kRowSelector)->setCurrentIndex(position);
    m_typeAhead.start(QApplication::keyboardInputInterval());
    return true;
}

void EditStripWidget::PickTypedRow() {
    m_typeAhead.stop();
    int position = m_editor.Strip().PositionTyped(ToCell(m_typedRow));
    m_typedRow.clear();
    if (position < 0) return ShowField(kRowSelector);
    emit rowChosen(m_editor.Strip().RowAt(position));
}

bool EditStripWidget::TextBoxFocus(int field, QEvent* event) {
    QLineEdit* box = TextBox(field);
    if (event->type() == QEvent::FocusIn) {
        m_editor.EnterTextBox(field);
        QMetaObject::invokeMethod(
            box, [box] { box->setSelection(0, 30); }, Qt::QueuedConnection);
        return false;
    }
    auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (m_leaving || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    m_leaving = true;
    bool accepted = m_editor.LeaveTextBox(field);
    m_refused = !accepted;
    Show(false);
    // After the warning has closed and given the focus back, the refused box takes it again.
    if (!accepted)
        QMetaObject::invokeMethod(
            box, [box] { box->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
    m_leaving = false;
    emit changed();
    return false;
}

}  // namespace gyrant
