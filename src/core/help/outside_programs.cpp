#include "help/outside_programs.h"

#include "text/cell_text.h"

namespace gyrant {
namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
constexpr const char* kBrowserProgram = "Iexplore.exe";
#else
constexpr bool kWindows = false;
constexpr const char* kBrowserProgram = "firefox";
#endif

void Tell(Dialogs& dialogs, const std::string& text) {
    dialogs.ShowMessage({text, "Gyrant", Buttons::Ok, Icon::None, Answer::Ok});
}

// A path the file seek found: a full path, not the bare name it was given.
bool IsFoundPath(const std::string& path) { return Contains(path, ":\\") || path.starts_with('/'); }

}  // namespace

std::vector<std::vector<std::string>> ViewerCommands(const std::string& path) {
    std::string document = path;
    if (Contains(UpperCase(path), "STUDENT") && path.size() >= 4) document = path.substr(0, path.size() - 4) + ".txt";
    if (kWindows)
        return {{"C:\\Progra~1\\Access~1\\notepad.EXE", document},
                {"C:\\Windows\\WORDPAD.EXE", path},
                {"notepad", document},
                {"c:\\Windows\\notepad", document}};
    std::vector<std::vector<std::string>> commands = {{"xdg-open", document}};
    for (const char* editor : {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma",
                               "featherpad", "leafpad"})
        commands.push_back({editor, document});
    return commands;
}

void OpenInViewer(Launcher& launcher, Dialogs& dialogs, const std::string& path, const std::string& docName) {
    Tell(dialogs, "When you are finished viewing the " + docName +
                      " document, click on the [X] box in the upper right corner to return to the Gyrant.");
    for (const std::vector<std::string>& command : ViewerCommands(path))
        if (launcher.Start(command)) return;
    Tell(dialogs, "An appropriate viewer was not found on your system.");
}

void OpenWebSite(Worksheet& sheet, Launcher& launcher, FileSeeker& seeker, Dialogs& dialogs,
                 const std::string& address, const std::string& siteName) {
    Tell(dialogs, "When you are finished viewing the '" + siteName +
                      "' web site, click on the [X] box in the upper right corner to return to the Gyrant.");
    while (true) {
        // Without a browser of its own the program hands the address to the desktop.
        std::vector<std::string> command =
            sheet.BrowserPath.empty() ? std::vector<std::string>{kWindows ? "C:\\Progra~1\\Intern~1\\iexplore.EXE"
                                                                          : "xdg-open",
                                                                 address}
                                      : std::vector<std::string>{sheet.BrowserPath, address};
        if (launcher.Start(command)) return;
        Tell(dialogs, "Internet Explorer was not found where it was expected to be.  The program will now search for it.");
        std::string found = seeker.Seek(kBrowserProgram);
        if (!IsFoundPath(found)) break;
        sheet.BrowserPath = found;
    }
    Tell(dialogs, "We could not locate Internet Explorer on your computer.  Use your normal web browser and visit:\r\r    " +
                      std::string(kMakerWebSite) + "\r\rTo see any info on recent updates on this and other Torvane products.");
}

void RestartHelpTips(Worksheet& sheet, Dialogs& dialogs) {
    sheet.TipOff.fill(0);
    Tell(dialogs, "Help tips will now be shown then next time you start the program.");
}

}  // namespace gyrant
