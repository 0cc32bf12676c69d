#include "commands/setting_commands.h"

#include "files/gear_list.h"
#include "files/settings_file.h"
#include "files/window_place.h"
#include "help/outside_programs.h"
#include "text/cell_text.h"

namespace gyrant {

void RestartTipsCommand(Worksheet& sheet, Dialogs& dialogs) {
    RestartHelpTips(sheet, dialogs);
    KeepSettings(sheet, dialogs);
}

void WebSiteCommand(Worksheet& sheet, Launcher& launcher, FileSeeker& seeker, Dialogs& dialogs) {
    OpenWebSite(sheet, launcher, seeker, dialogs, kMakerWebSite, kMakerWebSite);
    KeepSettings(sheet, dialogs);
}

GearRatiosRead GearRatiosCommand(const Worksheet& sheet, const std::string& typed) {
    GearRatiosRead read = RatiosToShow(typed, sheet);
    // A settings folder that cannot be written keeps the old list without a message at every
    // change.
    if (read.outcome.ok && !IsBlank(typed)) static_cast<void>(KeepGearList(sheet, typed));
    return read;
}

void KeepWindowPlaceCommand(const Worksheet& sheet, const WindowRect& place) {
    if (!sheet.setup.SettingsUnkept.empty()) return;  // nowhere to keep it
    // A place not kept only means that the next start opens at its first size and place: not
    // worth holding up the Exit with a message.
    static_cast<void>(WriteWindowPlace(WindowPlacePath(sheet), place));
}

}  // namespace gyrant
