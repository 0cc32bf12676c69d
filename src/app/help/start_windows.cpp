#include "help/start_windows.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "closes_on_focus_loss.h"
#include "help/emblem.h"
#include "help/help_tips.h"
#include "help/text_file.h"
#include "shell/main_window.h"
#include "text/cell_codec.h"

namespace gyrant {
namespace {

constexpr int kSplashMilliseconds = 3000;
constexpr int kWarningTopTwips = 600;

// Red line segments drawn over the main window, pointing at what a tip speaks of.
class MarkingLines : public QWidget {
  public:
    MarkingLines(QWidget* window, QList<QLine> lines) : QWidget(window), m_lines(std::move(lines)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window->rect());
        show();
        raise();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(220, 40, 30), 3));
        painter.drawLines(m_lines);
    }

  private:
    QList<QLine> m_lines;
};

// A box of segments around a rectangle, in the main window's coordinates.
QList<QLine> Around(const QRect& r) {
    QRect box = r.adjusted(-3, -3, 3, 3);
    return {QLine(box.topLeft(), box.topRight()), QLine(box.topRight(), box.bottomRight()),
            QLine(box.bottomRight(), box.bottomLeft()), QLine(box.bottomLeft(), box.topLeft())};
}

QRect InWindow(QWidget* window, QWidget* widget, QRect rect) {
    return QRect(widget->mapTo(window, rect.topLeft()), rect.size());
}

// What each tip points at: the tables' Description column and the strip for tip 1, the EZ Build
// Wizard menu for tip 0, the File menu for tip 2; tip 3 points at nothing.
QList<QLine> MarksFor(MainWindow& window, int tip) {
    QMenuBar* bar = window.menuBar();
    auto menuRect = [&](const char* name) {
        QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
        QMenu* menu = window.findChild<QMenu*>(QString::fromLatin1(name));
        QRect place = bar->actionGeometry(menu ? menu->menuAction() : action);
        return InWindow(&window, bar, place);
    };
    switch (tip) {
        case 1: {
            SpecGrid& grid = window.Grid(kBaseline);
            QRect column(grid.columnViewportPosition(kColDescription), 0,
                         grid.columnWidth(kColDescription), grid.viewport()->height());
            QList<QLine> lines = Around(InWindow(&window, grid.viewport(), column));
            QWidget* value = window.StripWidget().TextBox(kColValue);
            lines << QLine(InWindow(&window, value, value->rect()).bottomLeft(),
                           lines.front().p1());
            return lines;
        }
        case 0: {
            QRect menu = menuRect("mnuEZ");
            return {QLine(menu.bottomLeft(), menu.bottomRight()),
                    QLine(menu.bottomLeft(), menu.bottomLeft() + QPoint(40, 40))};
        }
        case 2: {
            QRect menu = menuRect("mnuFile");
            return {QLine(menu.bottomLeft(), menu.bottomRight())};
        }
        default:
            return {};
    }
}

// Where each tip stands over the main window, clear of what it points at: tip 1 to the right of
// the Description column, tips 0 and 2 under the menus, tip 3 over the tables.
QPoint TipPlace(int tip) {
    static constexpr int kTipPlaces[][2] = {{2800, 1170}, {2800, 770}, {2500, 740}, {1500, 2170}};
    const int* place = kTipPlaces[tip >= 1 && tip <= 3 ? tip : 0];
    return {TwipsToPixels(place[0]), TwipsToPixels(place[1])};
}

void ShowTips(MainWindow& window, Worksheet& sheet) {
    for (int tip : TipsToShow(sheet)) {
        auto* marks = new MarkingLines(&window, MarksFor(window, tip));
        QCoreApplication::processEvents();
        TipWindow tipWindow(tip, &window);
        tipWindow.move(window.frameGeometry().topLeft() + TipPlace(tip));
        tipWindow.exec();
        CloseTip(sheet, tip, tipWindow.DontShowAgain());
        delete marks;
    }
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgSplash"));
    picture->setPixmap(GyrantEmblem(128));
    auto* name = new QLabel(QStringLiteral("Vevizadu Gyrant"), this);
    QFont big = name->font();
    big.setPointSize(20);
    big.setBold(true);
    name->setFont(big);
    auto* maker = new QLabel(QStringLiteral("Torvane Inc."), this);
    auto* text = new QVBoxLayout;
    text->addStretch();
    text->addWidget(name);
    text->addWidget(maker);
    text->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 24, 36, 24);
    layout->addWidget(picture);
    layout->addSpacing(20);
    layout->addLayout(text);
    // By its name: a type selector would have to spell the class with its namespace.
    setStyleSheet(
        QStringLiteral("#SplashForm { background: #f4f1ea; border: 2px solid #5a5f6e; }"));
    setAttribute(Qt::WA_StyledBackground);
}

TipWindow::TipWindow(int tipNumber, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmIntroHelp"));
    HelpTip tip = TipFor(tipNumber);
    setWindowTitle(FromCell(tip.caption));
    auto* text = new QLabel(FromMessage(tip.text), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setWordWrap(true);
    text->setMinimumWidth(tipNumber == 1 ? 480 : 360);
    m_check = new QCheckBox(QStringLiteral("Don't show this again"), this);
    m_check->setObjectName(QStringLiteral("Check1"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_check);
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

WarningWindow::WarningWindow(Worksheet& sheet, MainWindow& window) : QDialog(&window) {
    setObjectName(QStringLiteral("PrintScreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    new ClosesOnFocusLoss(*this);
    TextFile warning = ReadWarningText(sheet.setup.ProgramFolder);
    setWindowTitle(FromCell(warning.title));
    auto* text = new QLabel(FromMessage(warning.text).trimmed(), this);
    text->setObjectName(QStringLiteral("Label1"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this, &window] {
        window.SkipNextActivation(false);
        accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowStartSequence(MainWindow& window, Worksheet& sheet) {
    // A window of its own, so it stays bright while the main window is disabled under it.
    auto* splash = new SplashWindow(nullptr);
    window.SkipNextActivation(true);
    window.setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    splash->adjustSize();
    splash->move(window.geometry().center() - splash->rect().center());
    splash->show();
    QTimer::singleShot(kSplashMilliseconds, &window, [&window, &sheet, splash] {
        splash->close();
        window.setEnabled(true);
        QApplication::restoreOverrideCursor();
        ShowTips(window, sheet);
        window.SkipNextActivation(true);
        auto* warning = new WarningWindow(sheet, window);
        // The warning stands 600 twips below the top of the screen, across the main window.
        warning->adjustSize();
        warning->move(window.frameGeometry().center().x() - warning->width() / 2,
                      TwipsToPixels(kWarningTopTwips));
        window.ShowSubWindow(warning);
    });
}

}  // namespace gyrant
