#pragma once

// Documents opened in a text viewer and the maker's web site opened in a browser, with the
// messages that go with them.

#include <string>
#include <vector>

#include "model/worksheet.h"
#include "ports/dialogs.h"
#include "ports/launcher.h"

namespace gyrant {

inline constexpr const char* kMakerWebSite = "https://www.torvane.example/gyrant";

// The commands tried in turn to show a document: on Windows the text viewers where they usually
// are; elsewhere the desktop's opener, then text editors a desktop usually has.
std::vector<std::vector<std::string>> ViewerCommands(const std::string& path);

// Opens a document in the first viewer that starts; a document that no viewer shows is shown
// as plain text in Gyrant's own text window, and only one that cannot be read gets the message
// that no viewer was found.
void OpenInViewer(Launcher& launcher, Dialogs& dialogs, const std::string& path,
                  const std::string& docName);

// Opens a web address in the browser, searching the disks for the browser program when it is
// not where it was; the browser found is kept in `BrowserPath`. The messages name the browser
// that was tried.
void OpenWebSite(Worksheet& sheet, Launcher& launcher, FileSeeker& seeker, Dialogs& dialogs,
                 const std::string& address, const std::string& siteName);

// "Restart Showing Help Tips": every tip is shown again from the next start.
void RestartHelpTips(Worksheet& sheet, Dialogs& dialogs);

}  // namespace gyrant
