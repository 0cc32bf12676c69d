#include "ports/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <map>

#include "text/cell_codec.h"

namespace gyrant {
namespace {

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQt(Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Replace:
        case Answer::SaveAs:
            return QMessageBox::NoButton;
        case Answer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons ToQt(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::ReplaceSaveAsCancel:
            return QMessageBox::Cancel;
        case Buttons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// The buttons Qt has no standard one for, in the sets that hold them, with the answer each gives.
struct NamedButton {
    Buttons set;
    Answer answer;
    const char* text;
    QMessageBox::ButtonRole role;
};

constexpr NamedButton kNamedButtons[] = {
    {Buttons::ReplaceSaveAsCancel, Answer::Replace, "Replace", QMessageBox::AcceptRole},
    {Buttons::ReplaceSaveAsCancel, Answer::SaveAs, "Save As...", QMessageBox::ActionRole},
};

Answer FromQt(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return Answer::Ok;
    }
}

// "Gyrant worksheets (*.qrx)|*.qrx|All Files (*.*)|*.*" as Qt writes it: each filter's
// caption, in order, with "*.*" (every file) as this file system spells it.
QString ToQtFilter(const std::string& filter) {
    QStringList captions;
    const QStringList parts = FromCell(filter).split(QChar('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2)
        captions << QString(parts[i]).replace(QStringLiteral("*.*"), QStringLiteral("*"));
    return captions.join(QStringLiteral(";;"));
}

// The ending a filter gives a name typed without one: "qrx" for "Gyrant worksheets (*.qrx)",
// none for every file.
QString EndingOf(const QString& filter) {
    static const QRegularExpression ending(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
    return ending.match(filter).captured(1);
}

// The window the user is working in owns the box, so the box stands over it and gives the focus
// back to it when answered.
QWidget* Owner(QWidget* fallback) {
    QWidget* active = QApplication::activeWindow();
    return active ? active : fallback;
}

// Paths are the file system's own bytes, never cell text.
QString PathOf(const FileChooser& chooser) {
    return FromPath(chooser.folder) + QChar('/') + FromPath(chooser.proposedName);
}

// Qt's file dialogs keep their history in a settings file of their own under the user's
// configuration folder; the program leaves no such trace. Under /dev/null no file can be made,
// so the dialogs start afresh each time and write nothing.
void KeepNoChooserHistory() {
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

// The title bar's buttons and margins beside its text.
constexpr int kTitleBarControlsPixels = 110;

// A box too narrow for its title shows it cut ("EZ Bu... Wizard"): it is made as wide as the
// title needs, the widest of its rows taking the extra width.
void WidenForTitle(QDialog& box, QGridLayout* rows) {
    int needed = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarControlsPixels;
    if (rows)
        rows->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      rows->rowCount(), 0, 1, rows->columnCount());
    else
        box.setMinimumWidth(std::max(box.minimumWidth(), needed));
}

}  // namespace

Answer QtDialogs::ShowMessage(const Message& message) {
    QMessageBox box(ToQt(message.icon), FromMessage(message.title), FromMessage(message.text),
                    ToQt(message.buttons), Owner(m_parent));
    box.setDefaultButton(ToQt(message.defaultButton));
    if (message.buttons == Buttons::YesNo) box.setEscapeButton(QMessageBox::No);
    WidenForTitle(box, qobject_cast<QGridLayout*>(box.layout()));
    std::map<QAbstractButton*, Answer> named;
    for (const NamedButton& button : kNamedButtons) {
        if (button.set != message.buttons) continue;
        QPushButton* added = box.addButton(QString::fromLatin1(button.text), button.role);
        named[added] = button.answer;
        if (button.answer == message.defaultButton) box.setDefaultButton(added);
    }
    int code = box.exec();
    auto clicked = named.find(box.clickedButton());
    return clicked != named.end() ? clicked->second : FromQt(code);
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
    QInputDialog box(Owner(m_parent));
    box.setWindowTitle(FromMessage(title));
    box.setLabelText(FromMessage(prompt));
    box.setTextValue(FromCell(defaultText));
    WidenForTitle(box, nullptr);
    return box.exec() == QDialog::Accepted ? ToCell(box.textValue()) : std::string{};
}

// The choosers answer with URLs: a desktop's own chooser can list and pick a name that is not
// UTF-8, and only the URL keeps its bytes (Qt's own chooser lists no such name).
std::optional<std::string> QtDialogs::ChooseOpenFile(const FileChooser& chooser) {
    KeepNoChooserHistory();
    QUrl url = QFileDialog::getOpenFileUrl(Owner(m_parent), FromCell(chooser.title),
                                           QUrl::fromLocalFile(PathOf(chooser)),
                                           ToQtFilter(chooser.filter));
    if (url.isEmpty()) return std::nullopt;
    return PathOfUrl(url);
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const FileChooser& chooser) {
    KeepNoChooserHistory();
    QFileDialog dialog(Owner(m_parent), FromCell(chooser.title), PathOf(chooser),
                       ToQtFilter(chooser.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !chooser.confirmReplace);
    auto takeEnding = [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(EndingOf(filter));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeEnding);
    takeEnding(dialog.selectedNameFilter());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty()) return std::nullopt;
    return PathOfUrl(dialog.selectedUrls().first());
}

}  // namespace gyrant
