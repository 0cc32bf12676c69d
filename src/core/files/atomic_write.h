#pragma once

#include <filesystem>
#include <string>

#include "model/outcome.h"

namespace gyrant {

// Writes a whole file through a temporary file beside it that then replaces it, so a failed
// write never leaves a half-written file behind and the old file stays whole. A failure names
// the file and the reason.
Outcome WriteFileAtomically(const std::filesystem::path& target, const std::string& bytes);

}  // namespace gyrant
