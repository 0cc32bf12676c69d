#include "shell/main_menus.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <tuple>

#include "commands/document_commands.h"
#include "commands/setting_commands.h"
#include "editor/options.h"
#include "files/data_path.h"
#include "files/recent_files.h"
#include "help/about_window.h"
#include "help/comments_window.h"
#include "help/help_pages.h"
#include "help/help_window.h"
#include "help/outside_programs.h"
#include "help/seek_window.h"

namespace gyrant {

MainMenus::MainMenus(MenuHost& host, Worksheet& sheet)
    : m_host(host),
      m_window(host.Window()),
      m_sheet(sheet),
      m_print(sheet, host.UserDialogs(), &m_window) {
    BuildFileMenu();
    BuildEditMenu();
    AddCommand(nullptr, QStringLiteral("E&Z Build Wizard"), QStringLiteral("mnuEZ"),
               [this] { RunWizard(WizardTarget::SameWorksheet); });
    BuildOptionsMenu();
    AddCommand(nullptr, QStringLiteral("&Comments"), QStringLiteral("mnuComments"),
               [this] { ShowComments(); });
    BuildViewMenu();
    BuildBoringMenu();
    BuildHelpMenu();
}

QAction* MainMenus::AddCommand(QMenu* menu, const QString& text, const QString& name,
                               std::function<void()> command) {
    QAction* action = menu ? menu->addAction(text) : m_window.menuBar()->addAction(text);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, &m_window, [this, command] {
        command();
        m_host.ShowWorksheet();
    });
    return action;
}

void MainMenus::RunWizard(WizardTarget target) {
    // An input the strip keeps is a step of its own, so that a save before the wizard's
    // changes writes the state its step starts from.
    if (!m_host.LeaveStripRow()) return;
    m_host.History().RecordSaving(QStringLiteral("EZ Build Wizard"), [this, target] {
        return WizardCommand(
            m_sheet, m_host.Editor(), m_host.UserDialogs(),
            [this] {
                m_host.ShowWorksheet();
                QCoreApplication::processEvents();
            },
            target);
    });
}

void MainMenus::ShowComments() {
    auto* comments = new CommentsWindow(m_sheet, &m_window);
    QObject::connect(comments, &QDialog::accepted, &m_window,
                     [this, before = m_host.History().Now()] {
                         m_host.History().RecordSince(QStringLiteral("Comments"), before);
                         m_host.ShowWorksheet();
                     });
    m_host.ShowSubWindow(comments);
}

void MainMenus::BuildEditMenu() {
    QMenu* edit = m_window.menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QUndoStack& stack = m_host.History().Stack();
    for (bool back : {true, false}) {
        QString verb = back ? QStringLiteral("&Undo") : QStringLiteral("&Redo");
        QAction* item =
            AddCommand(edit, verb, back ? QStringLiteral("mnuUndo") : QStringLiteral("mnuRedo"),
                       [this, back] { m_host.StepHistory(back); });
        item->setShortcut(back ? QKeySequence(Qt::CTRL | Qt::Key_Z)
                               : QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        item->setEnabled(false);
        QObject::connect(&stack, back ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged,
                         item, &QAction::setEnabled);
        // The item names the step it takes back or does again: "Undo Keep Change".
        QObject::connect(&stack, back ? &QUndoStack::undoTextChanged : &QUndoStack::redoTextChanged,
                         item, [item, verb](const QString& step) {
                             item->setText(step.isEmpty() ? verb : verb + QChar(' ') + step);
                         });
    }
}

void MainMenus::FillRecentMenu() {
    m_recent->clear();
    std::vector<std::string> files = ReadRecentFiles(RecentFilesPath(m_sheet));
    for (std::size_t i = 0; i < files.size(); ++i) {
        // An "&" in a path is shown, not taken as the item's key.
        QString name = QString::fromStdString(files[i]).replace(QChar('&'), QStringLiteral("&&"));
        QAction* item = m_recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        QObject::connect(item, &QAction::triggered, &m_window,
                         [this, path = files[i]] { m_host.OpenNamedWorksheet(path); });
    }
    m_recent->setEnabled(!files.empty());
}

void MainMenus::ShowAbout() {
    auto* about = new AboutWindow(&m_window);
    QObject::connect(about, &AboutWindow::printClicked, about,
                     [this, about] { m_print.PrintWindowImage(about); });
    m_host.ShowSubWindow(about);
}

void MainMenus::ShowWeightWindow() {
    if (!m_weightWindow) {
        m_weightWindow = new WeightWindow(m_sheet, m_host.UserDialogs(), &m_window);
        QObject::connect(m_weightWindow, &WeightWindow::printClicked, m_weightWindow,
                         [this] { m_print.PrintWeightShares(m_weightWindow->ShownGears()); });
        QObject::connect(m_weightWindow, &WeightWindow::proposedWeightChosen, &m_window,
                         [this](const std::string& weight) { m_host.KeepProposedWeight(weight); });
        QObject::connect(m_weightWindow, &WeightWindow::runEntryKept, &m_window,
                         [this](const std::string& key, const std::string& text) {
                             m_host.KeepRunEntry(key, text);
                         });
    }
    m_weightWindow->show();
    m_weightWindow->raise();
    m_weightWindow->activateWindow();
}

void MainMenus::FollowWorksheet() {
    if (m_weightWindow) m_weightWindow->Refresh();
}

void MainMenus::BuildViewMenu() {
    QMenu* view = m_window.menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    AddCommand(view, QStringLiteral("Where the &Weight Goes"), QStringLiteral("mnuWeightGoes"),
               [this] { ShowWeightWindow(); });
}

void MainMenus::BuildFileMenu() {
    QMenu* file = m_window.menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    AddCommand(file, QStringLiteral("&New and Start EZ Build Wizard"), QStringLiteral("mnuNewEZ"),
               [this] { RunWizard(WizardTarget::NewWorksheet); });
    QAction* newItem = file->addAction(QStringLiteral("Ne&w"));
    newItem->setObjectName(QStringLiteral("mnuNew"));
    newItem->setEnabled(false);
    Dialogs& dialogs = m_host.UserDialogs();
    AddCommand(file, QStringLiteral("&Open"), QStringLiteral("mnuOpen"), [this, &dialogs] {
        m_host.OpenWorksheet(
            [this, &dialogs] { return OpenCommand(m_sheet, m_host.Editor(), dialogs); });
    })->setShortcut(QKeySequence::Open);
    m_recent = file->addMenu(QStringLiteral("Open &Recent"));
    m_recent->setObjectName(QStringLiteral("mnuRecent"));
    // Filled when the File menu opens, so a file deleted meanwhile is not offered and a file
    // opened or saved since is.
    QObject::connect(file, &QMenu::aboutToShow, &m_window, [this] { FillRecentMenu(); });
    AddCommand(file, QStringLiteral("&Save"), QStringLiteral("mnuSave"), [this, &dialogs] {
        m_host.History().RecordSaving(QStringLiteral("Save"),
                                      [this, &dialogs] { return SaveCommand(m_sheet, dialogs); });
    })->setShortcut(QKeySequence::Save);
    // Save As and Exit name their keys: not every desktop's key set has them.
    AddCommand(file, QStringLiteral("Save &As"), QStringLiteral("mnuSaveAs"), [this, &dialogs] {
        m_host.History().RecordSaving(QStringLiteral("Save As"),
                                      [this, &dialogs] { return SaveAsCommand(m_sheet, dialogs); });
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    AddCommand(file, QStringLiteral("&Print"), QStringLiteral("mnuPrint"), [this] {
        m_print.PrintWorksheet();
    })->setShortcut(QKeySequence::Print);
    AddCommand(file, QStringLiteral("Print Set&up"), QStringLiteral("mnuPrintSetup"),
               [this] { m_print.PrintSetup(); });
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QObject::connect(exit, &QAction::triggered, &m_window, &QWidget::close);
}

void MainMenus::BuildOptionsMenu() {
    m_options = m_window.menuBar()->addMenu(QStringLiteral("&Options"));
    m_options->setObjectName(QStringLiteral("mnuOptions"));
    auto add = [this](const QString& text, auto command) {
        QAction* action = m_options->addAction(text);
        action->setCheckable(true);
        // The step is named as the menu shows it, without its key's mark.
        QObject::connect(action, &QAction::triggered, &m_window,
                         [this, step = QString(text).remove(QChar('&')), command] {
                             m_host.History().Record(step, command);
                             UpdateCheckMarks();
                             m_host.ShowWorksheet();
                         });
        m_optionItems.push_back(action);
    };
    Dialogs& dialogs = m_host.UserDialogs();
    add(QStringLiteral("Show Only One (&1) Vehicle"),
        [this, &dialogs] { SetVehicleCount(m_sheet, false, dialogs); });
    add(QStringLiteral("Compare Two (&2) Vehicles"),
        [this, &dialogs] { SetVehicleCount(m_sheet, true, dialogs); });
    m_options->addSeparator();
    add(QStringLiteral("'Vehicle Wt' &Stays Total Vehicle Wt"),
        [this, &dialogs] { SetWeightOption(m_sheet, false, dialogs); });
    add(QStringLiteral("Vevizadu Weights &Add To 'Vehicle Wt'"),
        [this, &dialogs] { SetWeightOption(m_sheet, true, dialogs); });
    m_options->addSeparator()->setEnabled(false);
    // The unit system comes from the settings file; the items only show it.
    for (const char* unit : {"&English Units (inches)", "Metric Units (millimeters and &CCs)",
                             "Metric Units (millimeters and &liters)"}) {
        add(QString::fromLatin1(unit), [] {});
        m_optionItems.back()->setEnabled(false);
    }
    QObject::connect(m_options, &QMenu::aboutToShow, &m_window, [this] { UpdateCheckMarks(); });
}

void MainMenus::BuildBoringMenu() {
    QMenu* boring = m_window.menuBar()->addMenu(QStringLiteral("&Boring/Stroking"));
    boring->setObjectName(QStringLiteral("mnuBoreStroke"));
    for (auto [text, name, kind] : {std::tuple{"Deck &Height", "mnuDeckHeight", kDeckHeightCalc},
                                    {"Deck &Clearance", "mnuDeckClearance", kDeckClearanceCalc},
                                    {"Piston &Dome or Dish CCs", "mnuDomeVolume", kDomeVolumeCalc}})
        AddCommand(boring, QString::fromLatin1(text), QString::fromLatin1(name),
                   [this, kind] { m_host.OpenCalcMenu(kind); });
}

void MainMenus::UpdateCheckMarks() {
    OptionChecks checks = gyrant::UpdateCheckMarks(m_sheet);
    const bool marks[] = {checks.oneVehicle,  checks.twoVehicles,  checks.weightStaysTotal,
                          checks.weightsAdd,  checks.englishUnits, checks.metricCCs,
                          checks.metricLiters};
    for (std::size_t i = 0; i < m_optionItems.size(); ++i) m_optionItems[i]->setChecked(marks[i]);
}

void MainMenus::BuildHelpMenu() {
    QMenu* help = m_window.menuBar()->addMenu(QStringLiteral("&Help          "));
    help->setObjectName(QStringLiteral("mnuHelp"));
    Dialogs& dialogs = m_host.UserDialogs();
    AddCommand(help, QStringLiteral("&Help on Gyrant"), QStringLiteral("mnuHelpHelp"),
               [this, &dialogs] {
                   OpenInViewer(
                       m_launcher, dialogs,
                       DataPath(m_sheet.setup.ProgramFolder, {"GyrantTEXT", "helpm0.txt"}).string(),
                       "HelpM0.txt");
               })
        ->setShortcut(QKeySequence::HelpContents);
    AddCommand(
        help, QStringLiteral("Where the Weight &Goes"), QStringLiteral("mnuHelpWeightGoes"),
        [this] {
            (new HelpWindow(m_sheet.setup.ProgramFolder, kWeightHelpTopic, &m_window))->show();
        });
    AddCommand(help, QStringLiteral("&About Gyrant"), QStringLiteral("mnuAbout"),
               [this] { ShowAbout(); });
    AddCommand(help, QStringLiteral("Display &Readme.doc File"), QStringLiteral("mnuReadme"),
               [this, &dialogs] {
                   OpenInViewer(m_launcher, dialogs,
                                DataPath(m_sheet.setup.ProgramFolder, {"Readme.doc"}).string(),
                                "Readme.doc");
               });
    AddCommand(help, QStringLiteral("Restart Showing Help &Tips"), QStringLiteral("mnuRestartTips"),
               [this, &dialogs] { RestartTipsCommand(m_sheet, dialogs); });
    AddCommand(help, QStringLiteral("Torvane on the &Web"), QStringLiteral("mnuWeb"),
               [this, &dialogs] {
                   SeekWindowSeeker seeker(dialogs, &m_window);
                   WebSiteCommand(m_sheet, m_launcher, seeker, dialogs);
               });
}

}  // namespace gyrant
