#include "help/outside_programs.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "text/cell_text.h"

namespace gyrant {
namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
constexpr const char* kBrowserProgram = "Iexplore.exe";
constexpr const char* kDefaultBrowser = "C:\\Progra~1\\Intern~1\\iexplore.EXE";
#else
constexpr bool kWindows = false;
constexpr const char* kBrowserProgram = "firefox";
constexpr const char* kDefaultBrowser = "xdg-open";
#endif
// What the messages about outside programs are titled.
constexpr const char* kTitle = "Gyrant";
// The desktop's opener hands a document or address on to the program the desktop chose.
constexpr const char* kOpener = "xdg-open";
// More than any document shipped with the program; what a text window shows at most.
constexpr std::streamsize kMostDocumentBytes = 1024 * 1024;

bool Start(Launcher& launcher, const std::vector<std::string>& command) {
    return launcher.Start(command, command.front() == kOpener);
}

// A path the file seek found: a full path, not the bare name it was given.
bool IsFoundPath(const std::string& path) {
    return Contains(path, ":\\") || path.starts_with('/');
}

// The document's text, read only from a plain file and only so far.
std::optional<std::string> ReadDocument(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(kMostDocumentBytes), '\0');
    in.read(text.data(), kMostDocumentBytes);
    text.resize(static_cast<std::size_t>(in.gcount()));
    return in.bad() ? std::nullopt : std::optional<std::string>(text);
}

// The message when the browser tried did not start, naming it.
std::string BrowserNotStarted(const Worksheet& sheet) {
    if (kWindows)
        return "Internet Explorer was not found where it was expected to be.  The program will now "
               "search for it.";
    std::string browser = sheet.setup.BrowserPath.empty() ? "The desktop's web browser (xdg-open)"
                                                          : sheet.setup.BrowserPath;
    return browser + " could not be started.  The program will now search for " + kBrowserProgram +
           ".";
}

}  // namespace

std::vector<std::vector<std::string>> ViewerCommands(const std::string& path) {
    std::string document = path;
    if (Contains(UpperCase(path), "STUDENT") && path.size() >= 4)
        document = path.substr(0, path.size() - 4) + ".txt";
    if (kWindows)
        return {{"C:\\Progra~1\\Access~1\\notepad.EXE", document},
                {"C:\\Windows\\WORDPAD.EXE", path},
                {"notepad", document},
                {"c:\\Windows\\notepad", document}};
    std::vector<std::vector<std::string>> commands = {{kOpener, document}};
    for (const char* editor : {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed",
                               "pluma", "featherpad", "leafpad"})
        commands.push_back({editor, document});
    return commands;
}

void OpenInViewer(Launcher& launcher, Dialogs& dialogs, const std::string& path,
                  const std::string& docName) {
    Tell(dialogs,
         "When you are finished viewing the " + docName +
             " document, click on the [X] box in the upper right corner to return to the Gyrant.",
         kTitle);
    for (const std::vector<std::string>& command : ViewerCommands(path))
        if (Start(launcher, command)) return;
    if (std::optional<std::string> text = ReadDocument(path)) {
        launcher.ShowText(docName, *text);
        return;
    }
    Tell(dialogs, "An appropriate viewer was not found on your system.", kTitle);
}

void OpenWebSite(Worksheet& sheet, Launcher& launcher, FileSeeker& seeker, Dialogs& dialogs,
                 const std::string& address, const std::string& siteName) {
    Tell(dialogs,
         "When you are finished viewing the '" + siteName +
             "' web site, click on the [X] box in the upper right corner to return to the Gyrant.",
         kTitle);
    while (true) {
        if (Start(launcher,
                  {sheet.setup.BrowserPath.empty() ? kDefaultBrowser : sheet.setup.BrowserPath,
                   address}))
            return;
        Tell(dialogs, BrowserNotStarted(sheet), kTitle);
        std::string found = seeker.Seek(kBrowserProgram);
        if (!IsFoundPath(found)) break;
        sheet.setup.BrowserPath = found;
    }
    Tell(dialogs,
         "We could not locate " + std::string(kWindows ? "Internet Explorer" : kBrowserProgram) +
             " on your computer.  Use your normal web browser and visit:\r\r    " +
             std::string(kMakerWebSite) +
             "\r\rTo see any info on recent updates on this and other Torvane products.",
         kTitle);
}

void RestartHelpTips(Worksheet& sheet, Dialogs& dialogs) {
    sheet.setup.TipOff.fill(0);
    Tell(dialogs, "Help tips will now be shown then next time you start the program.", kTitle);
}

}  // namespace gyrant
