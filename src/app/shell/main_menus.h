#pragma once

// The main window's menu bar: File, EZ Build Wizard, Options, Comments, View, Boring/Stroking
// and Help. The switched-off items are greyed. Each item runs a command and has the window draw
// what it did.

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <functional>

#include "analysis/weight_window.h"
#include "model/worksheet.h"
#include "ports/qt_launcher.h"
#include "report/print_commands.h"
#include "shell/menu_host.h"
#include "wizard/ez_build_wizard.h"

namespace gyrant {

class MainMenus {
  public:
    MainMenus(MenuHost& host, Worksheet& sheet);

    // The Options items, in menu order, for their check marks.
    QAction* OptionItem(int position) {
        return m_optionItems.at(static_cast<std::size_t>(position));
    }
    PrintCommands& Printing() { return m_print; }
    // Makes the Options check marks agree with the settings.
    void UpdateCheckMarks();
    // The worksheet has been drawn again: the windows the menus opened follow it.
    void FollowWorksheet();

  private:
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildOptionsMenu();
    void BuildViewMenu();
    void BuildBoringMenu();
    // The recent worksheets as they are kept now, the newest first.
    void FillRecentMenu();
    void BuildHelpMenu();
    QAction* AddCommand(QMenu* menu, const QString& text, const QString& name,
                        std::function<void()> command);
    void RunWizard(WizardTarget target);
    void ShowComments();
    void ShowAbout();
    void ShowWeightWindow();

    MenuHost& m_host;
    QMainWindow& m_window;
    Worksheet& m_sheet;
    PrintCommands m_print;
    QtLauncher m_launcher;
    QMenu* m_options = nullptr;
    QMenu* m_recent = nullptr;
    std::vector<QAction*> m_optionItems;
    QPointer<WeightWindow> m_weightWindow;
};

}  // namespace gyrant
