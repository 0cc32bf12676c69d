#include "files/spec_file.h"

#include <array>
#include <optional>
#include <string_view>

#include "files/atomic_write.h"
#include "files/display_name.h"
#include "files/file_stamp.h"
#include "files/stored_options.h"
#include "text/cell_text.h"
#include "text/input_file.h"
#include "text/line_reader.h"
#include "text/windows1252.h"

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
    StoredOptions options;
    bool complete = true;
};

// Comments are the lines before the end marker, each read back with a line break after it, as
// every earlier version of the program reads them. What those rules cannot hold is written
// with a backslash that old readers show and never stop at: a comment line made of
// backslashes and "-9999", or of backslashes alone, gets one backslash more in front (a line
// "-9999" is written "\-9999"), and comments that do not end with a line break are followed by
// a line of one backslash. Older files practically never hold such lines, so they read as
// they always did.
constexpr char kEscape = '\\';
constexpr const char* kNoFinalBreak = "\\";

bool NeedsEscape(std::string_view line) {
    std::size_t text = line.find_first_not_of(kEscape);
    return text == std::string_view::npos ? !line.empty() : line.substr(text) == kEndMarker;
}

std::string CommentLines(const std::string& comments) {
    std::string text;
    std::size_t start = 0;
    while (start < comments.size()) {
        std::size_t end = comments.find_first_of("\r\n", start);
        std::string_view line = std::string_view(comments).substr(start, end - start);
        if (NeedsEscape(line)) text += kEscape;
        text += std::string(line) + kLineEnd;
        if (end == std::string::npos) {
            text += std::string(kNoFinalBreak) + kLineEnd;
            break;
        }
        start = end + (comments.compare(end, 2, kLineEnd) == 0 ? 2 : 1);
    }
    return text + kEndMarker + kLineEnd;
}

std::string ReadComments(LineReader& reader) {
    std::string comments;
    std::string line;
    while (reader.ReadLine(line) && line != kEndMarker) {
        if (line == kNoFinalBreak) {
            if (comments.ends_with(kLineEnd)) comments.resize(comments.size() - 2);
            continue;
        }
        if (NeedsEscape(line)) line.erase(0, 1);
        comments += line;
        if (reader.AtEnd()) break;
        comments += kLineEnd;
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
        // Any count but 0 shows two vehicles, as the program only knows one or two.
        if (std::optional<int> count = IntegerField(FirstField(line)))
            contents.twoVehicles = *count != 0 ? 1 : 0;
    }
    for (std::string& cell : contents.cells) {
        if (!reader.ReadLine(cell)) {
            contents.complete = false;
            return;
        }
    }
    contents.comments = ReadComments(reader);
    contents.options = ReadStoredOptions(reader);
}

void Apply(const SpecFileContents& contents, WorksheetDocument& document) {
    if (contents.twoVehicles) document.TwoVehicles = *contents.twoVehicles;
    std::size_t next = 0;
    ForEachStoredCell([&](int table, int row, int column) {
        document.Table(table).SetText(row, column, contents.cells[next++]);
    });
    document.FileComments = contents.comments;
    UseStoredOptions(contents.options, document);
}

std::string OptionsLeftOutMessage(const std::string& path, const StoredOptions& options) {
    std::string message = FileNameText(path) +
                          " holds stored options that Gyrant could not read. They were left out, "
                          "and a save will not keep them; the specs were read whole.";
    if (options.weightOptionUnknown)
        message +=
            "\r\rIts weights option is not one Gyrant knows: the worksheet keeps the "
            "option now set.";
    return message;
}

std::string TooLargeMessage(const std::string& path) {
    return FileNameText(path) + " was not saved: the worksheet comes to more than " +
           std::to_string(kMostFileBytes >> 20) +
           " MB, more than Gyrant opens.\r\rShorten the comments and save again.";
}

// What both a read and a write end with: the worksheet takes the file's name and its state on
// disk, and counts as unchanged.
void TakeFileName(Worksheet& sheet, const std::string& path, const FileStamp& stamp) {
    sheet.file.CurrentFilePath = path;
    sheet.file.CurrentFileStamp = stamp;
    MakeDisplayName(sheet);
    sheet.file.SpecsChanged = 0;
}

}  // namespace

SpecFileResult ReadSpecFile(Worksheet& sheet, const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return {SpecFileStatus::Unreadable, FileNameText(path) + " is a folder, not a file."};
    // Taken before the reading, so that a change made while it reads counts as a change.
    FileStamp stamp = StampOf(path);
    InputFile in(path);
    if (!in)
        return {SpecFileStatus::Unreadable,
                "The file " + FileNameText(path) + " can not be opened."};
    // A comment line may be as long as the whole file: whatever a save wrote reads back whole.
    LineReader reader(in, kMostFileBytes);
    std::string magic;
    if (!reader.ReadLine(magic) || FirstField(magic) != kSpecFileMagic)
        return {SpecFileStatus::NotSpecFile, kNotSpecFileMessage};

    SpecFileContents contents;
    ReadBody(reader, contents);
    Apply(contents, sheet.document);
    TakeFileName(sheet, path, stamp);
    if (!contents.complete)
        return {SpecFileStatus::Incomplete,
                "The file " + FileNameText(path) +
                    " ended early and is incomplete.\r\rThe specs past its end "
                    "were left empty."};
    if (contents.options.weightOptionUnknown || contents.options.linesLeftOut > 0)
        return {SpecFileStatus::OptionsLeftOut, OptionsLeftOutMessage(path, contents.options)};
    return {};
}

SpecFileResult WriteSpecFile(Worksheet& sheet, const std::string& path) {
    std::string text = SpecFileText(sheet.document);
    // A file the reader would refuse is never written: it would open as nothing.
    if (text.size() > kMostFileBytes) return {SpecFileStatus::WriteFailed, TooLargeMessage(path)};
    Outcome written = WriteFileAtomically(path, text);
    if (!written.ok) return {SpecFileStatus::WriteFailed, written.message};
    TakeFileName(sheet, path, StampOf(path));
    return {};
}

std::string SpecFileText(const WorksheetDocument& document) {
    std::string text = std::string(kSpecFileMagic) + kLineEnd;
    for (int i = 0; i < kVehicleCountLines; ++i)
        text += GeneralForm(document.TwoVehicles) + " " + kLineEnd;
    ForEachStoredCell([&](int table, int row, int column) {
        text += document.Table(table).Text(row, column) + kLineEnd;
    });
    text += CommentLines(document.FileComments);
    return text + StoredOptionsText(document);
}

}  // namespace gyrant
