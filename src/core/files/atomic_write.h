#pragma once

#include <filesystem>
#include <string>

#include "outcome.h"

namespace gyrant {

// Writes a whole file through a new temporary file beside it, made under a name of its own
// and never through a link, that is put on the disk and then renamed over the file: the file
// on disk is always the old one or the new one, whole, also when two saves meet or the
// program is killed. A link is followed to the file it names, which is written and stays
// where it is. A folder, a device, a FIFO or a read-only file is not replaced. A failure names
// the file and the reason and leaves the old file as it was. The temporary file is only as
// readable as the file it replaces, and what killed saves left in the folder over an hour ago
// is removed.
Outcome WriteFileAtomically(const std::filesystem::path& target, const std::string& bytes);

// As WriteFileAtomically, unless the file already holds exactly these bytes: the program's own
// small files (settings, window place, recent worksheets) are kept at every exit, and putting
// an unchanged file on the disk again only slows the exit.
Outcome WriteFileIfChanged(const std::filesystem::path& target, const std::string& bytes);

}  // namespace gyrant
