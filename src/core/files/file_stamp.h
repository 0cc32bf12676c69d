#pragma once

// What tells one state of a file on disk from another, so that a save notices a file another
// program changed since the worksheet was opened or last saved.

#include <string>

#include "model/worksheet.h"

namespace gyrant {

// The file at `path` as it is on disk now; `exists` is false when there is none.
FileStamp StampOf(const std::string& path);

// True when the worksheet's file was changed or replaced on disk since it was last read or
// written; a file deleted meanwhile counts as unchanged, as nothing in it can be lost.
bool ChangedOnDisk(const Worksheet& sheet);

}  // namespace gyrant
