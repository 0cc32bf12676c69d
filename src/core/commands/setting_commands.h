#pragma once

// The commands that change what the program keeps beside the settings: each keeps it at once,
// so that the windows that run them only draw the result.

#include <string>

#include "analysis/every_gear.h"
#include "model/worksheet.h"
#include "ports/dialogs.h"
#include "ports/launcher.h"

namespace gyrant {

// The main window's place in twips (files/window_geometry.h), only named here so that the
// commands' headers need no layer they link privately.
struct WindowRect;

// Help > Restart Showing Help Tips: every tip shows again from the next start.
void RestartTipsCommand(Worksheet& sheet, Dialogs& dialogs);

// Help > Torvane on the Web; where the browser was found is a setting too.
void WebSiteCommand(Worksheet& sheet, Launcher& launcher, FileSeeker& seeker, Dialogs& dialogs);

// The ratios typed in "Where the Weight Goes", read as RatiosToShow reads them; good ones typed
// are kept for the next start.
GearRatiosRead GearRatiosCommand(const Worksheet& sheet, const std::string& typed);

// The main window's size and place as it closes, in twips, kept for the next start where the
// settings are kept.
void KeepWindowPlaceCommand(const Worksheet& sheet, const WindowRect& place);

}  // namespace gyrant
