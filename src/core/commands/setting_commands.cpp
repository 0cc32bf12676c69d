#include "commands/setting_commands.h"

#include "files/gear_list.h"
#include "files/settings_file.h"
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

}  // namespace gyrant
