#pragma once

// The options a worksheet keeps in its spec file, in a block after the end marker: a first line
// "[Gyrant]", then one `key=value` line each. Readers that stop at the end marker never see
// it, so files with and without it open in every version. Keys this version does not know are
// kept as read and written back unchanged.

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "model/worksheet.h"
#include "text/line_reader.h"

namespace gyrant {

inline constexpr const char* kStoredOptionsName = "[Gyrant]";
// More than the options of any worksheet: what a block holds beyond this is left out, so a
// planted file cannot fill the memory through it.
inline constexpr std::size_t kMostStoredOptionBytes = std::size_t{64} << 10;

// What a block held, before any of it reaches the worksheet.
struct StoredOptions {
    std::optional<int> weightOption;  // 1: the parts' weights add; 0: Vehicle Wt stays total
    std::map<std::string, std::string> runEntries;  // "run.NAME=text" lines, by NAME
    std::string otherLines;            // the keys not known here, each line ending in CR LF
    bool weightOptionUnknown = false;  // a weights line held a value not known here
    int linesLeftOut = 0;              // lines that were not `key=value`, or beyond the bound
    std::size_t bytesKept = 0;         // the run's inputs and the other lines, within the bound
};

// Reads the block from the line after the end marker; a file that ends there, or goes on with
// anything but the block's name, holds no options.
StoredOptions ReadStoredOptions(LineReader& reader);

// Puts what a block held into the document: the weights option when it was stored, and the run's
// inputs and the unknown keys in place of those of the document opened before.
void UseStoredOptions(const StoredOptions& options, WorksheetDocument& document);

// The block as the document's spec file ends with it.
std::string StoredOptionsText(const WorksheetDocument& document);

}  // namespace gyrant
