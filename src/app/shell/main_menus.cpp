#include "shell/main_menus.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <tuple>

#include "editor/options.h"
#include "files/data_path.h"
#include "files/file_commands.h"
#include "help/about_window.h"
#include "help/comments_window.h"
#include "help/outside_programs.h"
#include "help/seek_window.h"
#include "shell/main_window.h"
#include "text/cell_codec.h"
#include "wizard/ez_build_wizard.h"

namespace gyrant {

MainMenus::MainMenus(MainWindow& window, Worksheet& sheet)
    : m_window(window), m_sheet(sheet), m_print(sheet, window.UserDialogs(), &window) {
    BuildFileMenu();
    AddCommand(nullptr, QStringLiteral("E&Z Build Wizard"), QStringLiteral("mnuEZ"),
               [this] { RunWizard(); });
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
        m_window.ShowWorksheet();
    });
    return action;
}

void MainMenus::RunWizard() {
    if (!m_window.Editor().ConfirmLeavingRow()) return;
    RunEzBuildWizard(m_sheet, m_window.Editor(), m_window.UserDialogs(), [this] {
        m_window.ShowWorksheet();
        QCoreApplication::processEvents();
    });
}

void MainMenus::ShowComments() {
    m_window.ShowSubWindow(new CommentsWindow(m_sheet, &m_window));
}

void MainMenus::ShowAbout() {
    auto* about = new AboutWindow(&m_window);
    QObject::connect(about, &AboutWindow::printClicked, about,
                     [this, about] { m_print.PrintWindowImage(about); });
    m_window.ShowSubWindow(about);
}

void MainMenus::ShowWeightWindow() {
    if (!m_weightWindow) {
        m_weightWindow = new WeightWindow(m_sheet, &m_window);
        QObject::connect(&m_window, &MainWindow::worksheetShown, m_weightWindow,
                         &WeightWindow::Refresh);
    }
    m_weightWindow->show();
    m_weightWindow->raise();
    m_weightWindow->activateWindow();
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
    AddCommand(file, QStringLiteral("New and Start EZ Build Wizard"), QStringLiteral("mnuNewEZ"),
               [this] { RunWizard(); });
    QAction* newItem = file->addAction(QStringLiteral("New"));
    newItem->setObjectName(QStringLiteral("mnuNew"));
    newItem->setEnabled(false);
    Dialogs& dialogs = m_window.UserDialogs();
    AddCommand(file, QStringLiteral("&Open"), QStringLiteral("mnuOpen"), [this, &dialogs] {
        OpenSpecFile(m_sheet, m_window.Editor(), dialogs);
    })->setShortcut(QKeySequence::Open);
    AddCommand(file, QStringLiteral("&Save"), QStringLiteral("mnuSave"), [this, &dialogs] {
        SaveSpecFile(m_sheet, dialogs);
    })->setShortcut(QKeySequence::Save);
    AddCommand(file, QStringLiteral("Save &As"), QStringLiteral("mnuSaveAs"),
               [this, &dialogs] { SaveSpecFileAs(m_sheet, dialogs); });
    file->addSeparator();
    AddCommand(file, QStringLiteral("&Print"), QStringLiteral("mnuPrint"), [this] {
        m_print.PrintWorksheet();
    })->setShortcut(QKeySequence::Print);
    AddCommand(file, QStringLiteral("Print Set&up"), QStringLiteral("mnuPrintSetup"),
               [this] { m_print.PrintSetup(); });
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence::Quit);
    QObject::connect(exit, &QAction::triggered, &m_window, &QWidget::close);
}

void MainMenus::BuildOptionsMenu() {
    m_options = m_window.menuBar()->addMenu(QStringLiteral("&Options"));
    m_options->setObjectName(QStringLiteral("mnuOptions"));
    auto add = [this](const QString& text, auto command) {
        QAction* action = m_options->addAction(text);
        action->setCheckable(true);
        QObject::connect(action, &QAction::triggered, &m_window, [this, command] {
            command();
            UpdateCheckMarks();
            m_window.ShowWorksheet();
        });
        m_optionItems.push_back(action);
    };
    Dialogs& dialogs = m_window.UserDialogs();
    add(QStringLiteral("Show Only One (1) Vehicle"),
        [this, &dialogs] { SetVehicleCount(m_sheet, false, dialogs); });
    add(QStringLiteral("Compare Two (2) Vehicles"),
        [this, &dialogs] { SetVehicleCount(m_sheet, true, dialogs); });
    m_options->addSeparator();
    add(QStringLiteral("'Vehicle Wt' Stays Total Vehicle Wt"),
        [this, &dialogs] { SetWeightOption(m_sheet, false, dialogs); });
    add(QStringLiteral("Vevizadu Weights Add To 'Vehicle Wt'"),
        [this, &dialogs] { SetWeightOption(m_sheet, true, dialogs); });
    m_options->addSeparator()->setEnabled(false);
    // The unit system comes from the settings file; the items only show it.
    for (const char* unit : {"English Units (inches)", "Metric Units (millimeters and CCs)",
                             "Metric Units (millimeters and liters)"}) {
        add(QString::fromLatin1(unit), [] {});
        m_optionItems.back()->setEnabled(false);
    }
    QObject::connect(m_options, &QMenu::aboutToShow, &m_window, [this] { UpdateCheckMarks(); });
}

void MainMenus::BuildBoringMenu() {
    QMenu* boring = m_window.menuBar()->addMenu(QStringLiteral("&Boring/Stroking"));
    boring->setObjectName(QStringLiteral("mnuBoreStroke"));
    for (auto [text, name, kind] : {std::tuple{"Deck Height", "mnuDeckHeight", kDeckHeightCalc},
                                    {"Deck Clearance", "mnuDeckClearance", kDeckClearanceCalc},
                                    {"Piston Dome or Dish CCs", "mnuDomeVolume", kDomeVolumeCalc}})
        AddCommand(boring, QString::fromLatin1(text), QString::fromLatin1(name),
                   [this, kind] { m_window.OpenCalcMenu(kind); });
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
    Dialogs& dialogs = m_window.UserDialogs();
    AddCommand(help, QStringLiteral("Help on Gyrant"), QStringLiteral("mnuHelpHelp"),
               [this, &dialogs] {
                   OpenInViewer(
                       m_launcher, dialogs,
                       DataPath(m_sheet.ProgramFolder, {"GyrantTEXT", "helpm0.txt"}).string(),
                       "HelpM0.txt");
               })
        ->setShortcut(QKeySequence::HelpContents);
    AddCommand(help, QStringLiteral("About Gyrant"), QStringLiteral("mnuAbout"),
               [this] { ShowAbout(); });
    AddCommand(help, QStringLiteral("Display Readme.doc File"), QStringLiteral("mnuReadme"),
               [this, &dialogs] {
                   OpenInViewer(m_launcher, dialogs,
                                DataPath(m_sheet.ProgramFolder, {"Readme.doc"}).string(),
                                "Readme.doc");
               });
    AddCommand(help, QStringLiteral("Restart Showing Help Tips"), QStringLiteral("mnuRestartTips"),
               [this, &dialogs] {
                   RestartHelpTips(m_sheet, dialogs);
                   KeepSettings(m_sheet, dialogs);
               });
    AddCommand(help, QStringLiteral("Torvane on the Web"), QStringLiteral("mnuWeb"),
               [this, &dialogs] {
                   SeekWindowSeeker seeker(dialogs, &m_window);
                   OpenWebSite(m_sheet, m_launcher, seeker, dialogs, kMakerWebSite, kMakerWebSite);
                   // Where the browser was found is a setting too.
                   KeepSettings(m_sheet, dialogs);
               });
}

}  // namespace gyrant
