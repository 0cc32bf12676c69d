#include "files/spec_file.h"

#include <array>
#include <optional>

#include "engine/layout.h"
#include "files/atomic_write.h"
#include "files/display_name.h"
#include "text/cell_text.h"
#include "text/input_file.h"
#include "text/line_reader.h"

namespace gyrant {
namespace {

constexpr int kVehicleCountLines = 20;
constexpr int kFirstStoredColumn = kColValue;
constexpr int kLastStoredColumn = kColPercentTotal;
constexpr int kStoredCells = 2 * kLastSpecRow * (kLastStoredColumn - kFirstStoredColumn + 1);
constexpr const char* kEndMarker = "-9999";
constexpr const char* kLineEnd = "\r\n";

// Calls visit(table, row, column) for every stored cell in file order.
template <typename Visit>
void ForEachStoredCell(Visit visit) {
    for (int table = kBaseline; table <= kProposed; ++table)
        for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row)
            for (int column = kFirstStoredColumn; column <= kLastStoredColumn; ++column)
                visit(table, row, column);
}

// What a spec file holds, read in full before any of it reaches the worksheet.
struct SpecFileContents {
    std::optional<int> twoVehicles;
    std::array<std::string, kStoredCells> cells;
    std::string comments;
    bool complete = true;
};

std::string ReadComments(LineReader& reader) {
    std::string comments;
    std::string line;
    while (reader.ReadLine(line)) {
        bool atEnd = reader.AtEnd();
        if (atEnd && line != kEndMarker) comments += line;
        if (atEnd || line == kEndMarker) break;
        comments += line + kLineEnd;
    }
    return comments;
}

// Reads everything after the magic line.
void ReadBody(LineReader& reader, SpecFileContents& contents) {
    std::string line;
    for (int i = 0; i < kVehicleCountLines; ++i) {
        if (!reader.ReadLine(line)) {
            contents.complete = false;
            return;
        }
        if (std::optional<int> count = IntegerField(FirstField(line))) contents.twoVehicles = count;
    }
    for (std::string& cell : contents.cells) {
        if (!reader.ReadLine(cell)) {
            contents.complete = false;
            return;
        }
    }
    contents.comments = ReadComments(reader);
}

void Apply(const SpecFileContents& contents, Worksheet& sheet) {
    if (contents.twoVehicles) sheet.TwoVehicles = *contents.twoVehicles;
    std::size_t next = 0;
    ForEachStoredCell([&](int table, int row, int column) {
        sheet.Table(table).SetText(row, column, contents.cells[next++]);
    });
    sheet.FileComments = contents.comments;
}

// What both a read and a write end with: the worksheet takes the file's name and is laid out
// again, and counts as unchanged.
void TakeFileName(Worksheet& sheet) {
    sheet.CurrentFilePath = sheet.SpecFilePath;
    MakeDisplayName(sheet);
    RefreshLayout(sheet);
    sheet.SpecsChanged = 0;
}

SpecFileResult ReadSpecFile(Worksheet& sheet) {
    const std::string& path = sheet.SpecFilePath;
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return {SpecFileStatus::Unreadable, path + " is a folder, not a file."};
    InputFile in(path);
    if (!in) return {SpecFileStatus::Unreadable, "The file " + path + " can not be opened."};
    LineReader reader(in);
    std::string magic;
    if (!reader.ReadLine(magic) || FirstField(magic) != kSpecFileMagic)
        return {SpecFileStatus::NotSpecFile, kNotSpecFileMessage};

    SpecFileContents contents;
    ReadBody(reader, contents);
    Apply(contents, sheet);
    TakeFileName(sheet);
    if (!contents.complete)
        return {SpecFileStatus::Incomplete,
                "The file " + path + " ended early and is incomplete.\r\rThe specs past its end "
                "were left empty."};
    return {};
}

SpecFileResult WriteSpecFile(Worksheet& sheet) {
    Outcome written = WriteFileAtomically(sheet.SpecFilePath, SpecFileText(sheet));
    if (!written.ok) return {SpecFileStatus::WriteFailed, written.message};
    TakeFileName(sheet);
    return {};
}

}  // namespace

std::string SpecFileText(const Worksheet& sheet) {
    std::string text = std::string(kSpecFileMagic) + kLineEnd;
    for (int i = 0; i < kVehicleCountLines; ++i) text += GeneralForm(sheet.TwoVehicles) + " " + kLineEnd;
    ForEachStoredCell([&](int table, int row, int column) {
        text += sheet.Table(table).Text(row, column) + kLineEnd;
    });
    // Reading ends every comment line with a line break; adding one more here would grow the
    // comments by an empty line at every save and reopen.
    text += sheet.FileComments;
    if (!sheet.FileComments.ends_with(kLineEnd) || sheet.FileComments == kLineEnd) text += kLineEnd;
    text += std::string(kEndMarker) + kLineEnd;
    return text;
}

SpecFileResult ReadWriteSpecFile(Worksheet& sheet, bool readIt) {
    return readIt ? ReadSpecFile(sheet) : WriteSpecFile(sheet);
}

}  // namespace gyrant
