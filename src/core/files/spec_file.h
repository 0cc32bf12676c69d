#pragma once

// Spec files: one whole worksheet as lines of text. The magic "QRX-GY*1.10", the vehicle count
// on 20 lines, the 620 input and result cells of both tables (rows 1 to 31, columns Value to
// % Total), the comments, the end marker "-9999" and the worksheet's stored options; lines end
// in CR LF.

#include <string>

#include "model/worksheet.h"

namespace gyrant {

enum class SpecFileStatus {
    Done,            // read or written whole
    Incomplete,      // read, but the file ended early: the cells past its end are empty
    NotSpecFile,     // the first line is not the magic; nothing changed
    Unreadable,      // the file could not be opened; nothing changed
    WriteFailed,     // nothing was written; the old file and the worksheet state are as they were
    OptionsLeftOut,  // read whole, but stored options that could not be used were left out
};

// True when a read filled the worksheet, whatever it has to tell.
inline bool SpecsRead(SpecFileStatus status) {
    return status == SpecFileStatus::Done || status == SpecFileStatus::Incomplete ||
           status == SpecFileStatus::OptionsLeftOut;
}

struct SpecFileResult {
    SpecFileStatus status = SpecFileStatus::Done;
    std::string message;  // what to tell the user when the status is not Done
};

inline constexpr const char* kSpecFileMagic = "QRX-GY*1.10";
inline constexpr const char* kNotSpecFileMessage =
    "This is not an Vevizadu Gyrant file and can not be used.";

// Reads the spec file at `path`. After a read that found the magic the worksheet takes the
// file's name and the options stored with it and counts as unchanged; a file without stored
// options keeps the options now set. Reading fills cells only: the caller lays the worksheet
// out and recalculates it.
SpecFileResult ReadSpecFile(Worksheet& sheet, const std::string& path);

// Writes the worksheet's document to the spec file at `path`; after a write that succeeded the
// worksheet takes the file's name and counts as unchanged.
SpecFileResult WriteSpecFile(Worksheet& sheet, const std::string& path);

// The bytes of a spec file holding the document: nothing outside it reaches the file.
std::string SpecFileText(const WorksheetDocument& document);

}  // namespace gyrant
