#pragma once

// The program settings file "CRCNFG.QRX": the unit system, the help-tip switches, the weight
// option, where the web browser was found and the vehicle count, one record per line.

#include <filesystem>

#include "model/worksheet.h"
#include "outcome.h"
#include "ports/dialogs.h"

namespace gyrant {

// Where the settings file of the program in the worksheet's program folder is kept.
std::filesystem::path SettingsPath(const Worksheet& sheet);

// Reads the settings into the worksheet. A missing file, a missing record or a record that is
// not one of the setting's values leaves that setting as it was.
void ReadSettings(Worksheet& sheet, const std::filesystem::path& path);

// Writes the settings file, reading it again first and changing in it only the settings that
// changed here since they were last read or written: another running copy of the program may
// have changed the others meanwhile. Refused when the settings can not be kept.
Outcome WriteSettings(Worksheet& sheet, const std::filesystem::path& path);

// Writes the settings file at once, so that a crash or a killed session keeps them; a file
// that cannot be written is reported. Nothing when the settings can not be kept: the user hears
// that at the start and at Exit.
void KeepSettings(Worksheet& sheet, Dialogs& dialogs);

// Tells the user, when there is no place to keep the settings, why, and that they last only
// until the program ends.
void TellSettingsUnkept(const Worksheet& sheet, Dialogs& dialogs);

}  // namespace gyrant
