#include "files/spec_file.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <map>
#include <random>

#include "editor/undo_snapshot.h"
#include "files/atomic_write.h"
#include "files/stored_options.h"
#include "support/sheet_fixture.h"
#include "text/input_file.h"
#include "text/line_reader.h"

namespace gyrant {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;

// A spec file whose every cell holds its place ("0:1:2": table 0, row 1, column 2), then comments.
std::string SpecText(int twoVehicles, const std::string& comments) {
    std::string text = "QRX-GY*1.10\r\n";
    for (int i = 0; i < 20; ++i) text += (twoVehicles ? " 1 \r\n" : " 0 \r\n");
    for (int cell = 0; cell < 620; ++cell)
        text += std::to_string(cell / 310) + ":" + std::to_string(cell % 310 / 10 + 1) + ":" +
                std::to_string(cell % 10 + 2) + "\r\n";
    return text + comments;
}

// The block a worksheet set to Stays Total ends its file with.
const std::string kStaysBlock = "[Gyrant]\r\nweights=stay\r\n";

struct SpecFileTest : testing::BlankSheetTest {
    SpecFileResult Read(const std::string& bytes) {
        testing::WriteFileBytes(In("in.qrx"), bytes);
        return ReadSpecFile(sheet, In("in.qrx"));
    }
};

TEST_F(SpecFileTest, ReadsEveryCellInFileOrderWritesTheSameBytesAndRefusesABadFile) {
    std::string text = SpecText(0, "first\r\nsecond\r\n-9999\r\n"), cell(kMostLineBytes + 1, 'c');
    text.replace(103, 10, " 2 \r\njunk\r\n");  // the last number read counts, as 0 or 1
    text.replace(text.find("0:5:3"), 5, " blanks, commas " + cell);
    sheet.file.SpecsChanged = 1;
    EXPECT_EQ(Read(text).status, SpecFileStatus::Done);
    EXPECT_EQ(sheet.document.TwoVehicles, 1);
    EXPECT_EQ(sheet.file.SpecsChanged, 0);
    EXPECT_EQ(Baseline().Text(5, kColOD), " blanks, commas " + cell);
    // Reading fills cells only: the displacement the layout pass would write stays as read.
    EXPECT_EQ(Baseline().Text(8, kColValue), "0:8:2");
    ASSERT_EQ(WriteSpecFile(sheet, In("out.qrx")).status, SpecFileStatus::Done);
    std::string written = ReadFileBytes(folder / "out.qrx");
    EXPECT_EQ(written.substr(0, 18), "QRX-GY*1.10\r\n 1 \r\n");      // the count read as 1
    EXPECT_EQ(written.substr(113), text.substr(114) + kStaysBlock);  // every cell, comments too
    sheet.file.SpecsChanged = 1;  // a failed save keeps the worksheet's name and state
    EXPECT_NE(WriteSpecFile(sheet, In("gone/new.qrx")).message.find("gone/new.qrx"),
              std::string::npos);
    EXPECT_EQ(sheet.file.CurrentFilePath, In("out.qrx"));
    EXPECT_EQ(sheet.file.SpecsChanged, 1);
    // A worksheet larger than any file the reader opens is refused before a byte is written.
    sheet.document.FileComments = std::string(kMostFileBytes, 'c');
    EXPECT_EQ(WriteSpecFile(sheet, In("big.qrx")).status, SpecFileStatus::WriteFailed);
    EXPECT_FALSE(fs::exists(folder / "big.qrx"));
    // A bad file leaves the worksheet alone, and a short one says so.
    ASSERT_EQ(Read("  QRX-GY*1.10 ,more" + SpecText(1, "kept\r\n").substr(11)).status,
              SpecFileStatus::Done);
    std::string before = SpecFileText(sheet.document);
    for (const std::string& bytes :
         {std::string(), std::string("\0\xff\r", 3), "qrx-gy*1.10" + before.substr(11)})
        EXPECT_EQ(Read(bytes).message, "This is not an Vevizadu Gyrant file and can not be used.");
    EXPECT_EQ(ReadSpecFile(sheet, folder.Path().string()).status, SpecFileStatus::Unreadable);
    EXPECT_EQ(SpecFileText(sheet.document), before);
    EXPECT_NE(Read(before.substr(0, before.find("0:2:5\r\n"))).message.find("ended early"),
              std::string::npos);
    EXPECT_EQ(Baseline().Text(2, kColID), "0:2:4");  // the last cell read
    EXPECT_EQ(Baseline().Text(2, kColWidth), "");
    EXPECT_EQ(Proposed().Text(31, kColValue), "");
}

// Comments of any content come back whole, every later save writing the bytes of the first;
// files of earlier versions, whose comments end at "-9999" or at the end, read as before.
TEST_F(SpecFileTest, CommentsSurviveSaveAndReopenWholeAndOldFilesReadAsBefore) {
    std::vector<std::array<std::string, 4>> cases = {
        {"", "-9999\r\n", "one\r\n-9999\r\nnot read", "one\r\n"},
        {"\r\n", "\r\n-9999\r\n", "\r\n-9999\r\n", "\r\n"},
        {"one\r\nlast", "one\r\nlast\r\n\\\r\n-9999\r\n", "one\r\nlast\r\n", "one\r\nlast"},
        {"-9999\r\nnext\r\n", "\\-9999\r\nnext\r\n-9999\r\n", "a\rb\nc", "a\r\nb\r\nc"},
        {"\\\r\n\\\\-9999", "\\\\\r\n\\\\\\-9999\r\n\\\r\n-9999\r\n", "C:\\ -9999", "C:\\ -9999"},
        {std::string(kMostLineBytes + 1, 'a') + "\r\nafter\r\n", "", "", ""}};
    std::mt19937 random(12);
    for (std::string comments; cases.size() < 300; comments.clear()) {
        for (int token = random() % 8; token > 0; --token)
            comments += std::array{"a", "\\", "-9999", "\r\n", " "}[random() % 5];
        cases.push_back({comments, "", "", ""});
    }
    ASSERT_EQ(Read(SpecText(1, "")).status, SpecFileStatus::Done);
    for (const auto& [comments, written, oldFile, oldReadAs] : cases) {
        sheet.document.FileComments = comments;
        std::string bytes = SpecFileText(sheet.document);
        EXPECT_TRUE(bytes.ends_with(":11\r\n" + written + kStaysBlock) || written.empty())
            << comments;
        ASSERT_EQ(Read(bytes).status, SpecFileStatus::Done);
        EXPECT_EQ(sheet.document.FileComments, comments);
        EXPECT_EQ(SpecFileText(sheet.document), bytes);
        Read(SpecText(0, oldFile));
        EXPECT_EQ(sheet.document.FileComments, oldReadAs) << oldFile;
    }
}

// An undo step holds all that an edit can change in what a save writes: put back into a
// document of its own, away from any worksheet, it writes the worksheet's file byte for byte.
TEST_F(SpecFileTest, AnUndoStepPutBackIntoABareDocumentWritesTheSameFile) {
    const std::string stored = "[Gyrant]\r\nweights=add\r\nrun.grip=1.2\r\n";
    ASSERT_EQ(Read(SpecText(1, "Street tires\r\n-9999\r\n" + stored)).status, SpecFileStatus::Done);
    WorksheetDocument document;
    RestoreDocument(document, TakeSnapshot(sheet.document));
    EXPECT_EQ(SpecFileText(document), SpecFileText(sheet.document));
}

// What follows the end marker of a file opened with Weights Add set (and the unknown keys of
// another file), the option it leaves, and what a save writes after the end marker.
struct StoredBlock {
    const char* name;
    std::string tail;
    int option;
    SpecFileStatus status;
    std::string saved;
    friend void PrintTo(const StoredBlock& b, std::ostream* os) { *os << b.name; }
};

std::string Keys(std::size_t count, const std::string& key = "k") {
    std::string keys;
    while (count-- > 0) keys += key + "=v\r\n";
    return keys;
}

using enum SpecFileStatus;
const std::string kAdd = "[Gyrant]\r\nweights=add\r\n", kHuge(kMostLineBytes * 2, 'x');
const StoredBlock kStoredBlocks[] = {
    {"OldFileKeepsTheOptionNowSet", "", 1, Done, kAdd},
    {"StoredStay", kStaysBlock, 0, Done, kStaysBlock},
    {"BlanksAroundTheValue", "[Gyrant]\r\n weights = stay \r\n\r\n", 0, Done, kStaysBlock},
    {"UnknownKeysKept", "[Gyrant]\r\nrun=1/4\r\nweights=stay\r\nx= \x01\xff\r\n", 0, Done,
     kStaysBlock + "run=1/4\r\nx= \x01\xff\r\n"},
    {"OtherBlockName", "[Other]\r\nweights=stay\r\n", 1, Done, kAdd},
    {"BadValue", "[Gyrant]\r\nweights=heavy\r\n", 1, OptionsLeftOut, kAdd},
    {"NoEquals", "[Gyrant]\r\njunk\r\nweights=stay", 0, OptionsLeftOut, kStaysBlock},
    {"EmptyKey", "[Gyrant]\r\n=stay\r\n", 1, OptionsLeftOut, kAdd},
    {"Binary", std::string("[Gyrant]\r\n\0\x01\xff\r\n", 15), 1, OptionsLeftOut, kAdd},
    {"HugeLine", "[Gyrant]\r\nk=" + kHuge, 1, OptionsLeftOut, kAdd},
    {"ThousandsOfKeys", "[Gyrant]\r\n" + Keys(100000), 1, OptionsLeftOut,
     kAdd + Keys(kMostStoredOptionBytes / 5)},
    {"RunInputsByName", "[Gyrant]\r\nrun.shift=6000\r\nweights=stay\r\nrun.power = 350@5500\r\n", 0,
     Done, kStaysBlock + "run.power=350@5500\r\nrun.shift=6000\r\n"},
    {"ThousandsOfRunInputs", "[Gyrant]\r\n" + Keys(100000, "run.k"), 1, OptionsLeftOut,
     kAdd + "run.k=v\r\n"},
};

class StoredBlockTest : public SpecFileTest, public ::testing::WithParamInterface<StoredBlock> {};

// The tables and comments are read whole whatever the block holds; what it cannot use is told
// and left out, and a save writes what reads back the same.
TEST_P(StoredBlockTest, OpensWithTheStoredOptionAndSavesWhatItKept) {
    sheet.document.WeightOption = 1;
    sheet.document.OtherStoredOptions = "opened=before\r\n";
    sheet.document.RunEntries = {{"grip", "2"}};
    SpecFileResult read = Read(SpecText(1, "note\r\n-9999\r\n" + GetParam().tail));
    EXPECT_EQ(read.status, GetParam().status);
    EXPECT_EQ(read.message.find("could not read") != std::string::npos,
              read.status == SpecFileStatus::OptionsLeftOut);
    EXPECT_EQ(sheet.document.WeightOption, GetParam().option);
    EXPECT_EQ(Proposed().Text(31, kColPercentTotal), "1:31:11");
    EXPECT_EQ(sheet.document.FileComments, "note\r\n");
    std::string saved = SpecFileText(sheet.document);
    EXPECT_EQ(saved.substr(saved.find("-9999\r\n") + 7), GetParam().saved);
    ASSERT_EQ(Read(saved).status, SpecFileStatus::Done);
    EXPECT_EQ(SpecFileText(sheet.document), saved);
}

INSTANTIATE_TEST_SUITE_P(Blocks, StoredBlockTest, ::testing::ValuesIn(kStoredBlocks),
                         [](const auto& test) { return std::string(test.param.name); });

// Everything in a folder: links, FIFOs and devices as what they are, never opened.
void Snapshot(const fs::path& dir, const std::string& prefix, std::map<std::string, int>& all) {
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        std::string name = prefix + entry.path().filename().string();
        fs::file_status status = entry.symlink_status();
        all[name] = int(status.permissions()) + 10000 * int(status.type());
        if (fs::is_regular_file(status))
            all[name + " bytes"] = static_cast<int>(ReadFileBytes(entry.path()).size());
        if (fs::is_symlink(status)) all[fs::read_symlink(entry.path()).string() + " from " + name];
        if (fs::is_directory(status)) Snapshot(entry.path(), name + "/", all);
    }
}

// Each fault is made by a shell command in a folder that holds car.qrx (mode 600) and victim.
struct Fault {
    const char *name, *plant, *saved, *written, *reason;  // written: the file that takes the bytes
    friend void PrintTo(const Fault& f, std::ostream* os) { *os << f.name; }
};

// The longest name a folder takes; names of the program's temporary pattern, an hour old, left
// by a writer that cannot exist or by the first process, which always runs; and another name.
const std::string kLongestName = std::string(251, 'n') + ".qrx";
#define OLD(name, make) "f=" name " && " make " $f && touch -h -d '2 hours ago' $f"
#define DEAD_WRITERS ".gyrant-2147483647-00000000000"
#define LIVE_WRITER ".gyrant-0000000001-000000000000.tmp"

const Fault kFaults[] = {
    {"FullDisk", "mkdir d && mount -t tmpfs -o size=8k tmpfs d && echo >d/c", "d/c", 0, "No space"},
    {"ReadOnlyFolder", "mkdir d && mount -t tmpfs -o ro tmpfs d", "d/car.qrx", 0, "Read-only"},
    {"ReadOnlyFile", "chmod 444 car.qrx", "car.qrx", 0, "the file is read-only"},
    {"Folder", "mkdir f", "f", 0, "it is a folder"},
    {"Fifo", "mkfifo p", "p", 0, "not a plain file"},
    {"Device", "mknod n c 1 3", "n", 0, "not a plain file"},
    {"FolderGone", "true", "gone/car.qrx", 0, "No such file"},
    {"LinkLoop", "ln -s loop loop", "loop", 0, "its links lead nowhere"},
    {"FileDeleted", "rm car.qrx", "car.qrx", "car.qrx", ""},
    {"Link", "ln -s car.qrx b", "b", "car.qrx", ""},
    {"LongestName", "true", kLongestName.c_str(), kLongestName.c_str(), ""},
    {"OldLinkOfOurs", OLD(DEAD_WRITERS "0.tmp", "ln -s victim"), "car.qrx", "car.qrx", ""},
    {"OldFifoOfOurs", OLD(DEAD_WRITERS "1.tmp", "mkfifo"), "car.qrx", "car.qrx", ""},
    {"OldFileOfALiveWriter", OLD(LIVE_WRITER, "echo >"), "car.qrx", "car.qrx", ""},
    {"OldFileNotOurs", OLD(DEAD_WRITERS "2.tm", "echo >"), "car.qrx", "car.qrx", ""},
};

class SaveUnderFault : public ::testing::TestWithParam<Fault> {};

// The user is told why, or the file meant gets the bytes, keeping its mode; nothing else changes.
TEST_P(SaveUnderFault, TellsTheReasonOrWritesTheFileMeantAndNothingElse) {
    const Fault& fault = GetParam();
    testing::ProgramFolder folder;
    const fs::path dir = folder / "saves";
    std::string plant = "mkdir " + dir.string() + " && cd " + dir.string() +
                        " && echo old >car.qrx && chmod 600 car.qrx && echo victim >victim && ";
    if (std::system((plant + fault.plant).c_str()))
        GTEST_SKIP() << "this machine cannot make the fault";
    std::map<std::string, int> expected, after;
    Snapshot(dir, "", expected);
    Outcome outcome = WriteFileAtomically(dir / fault.saved, std::string(100000, 'n'));
    EXPECT_EQ(outcome.ok, fault.written != nullptr);
    EXPECT_NE(outcome.message.find(fault.reason), std::string::npos) << outcome.message;
    Snapshot(dir, "", after);
    if (fault.written) expected.try_emplace(fault.written, after[fault.written]);  // if new
    if (fault.written) expected[std::string(fault.written) + " bytes"] = 100000;
    EXPECT_EQ(after, expected);
    umount2((dir / "d").c_str(), MNT_DETACH);
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveUnderFault, ::testing::ValuesIn(kFaults),
                         [](const auto& test) { return std::string(test.param.name); });

// A save killed as it writes leaves the old file whole and a temporary file no more readable
// than it; a later save removes that once it is an hour old, and not before.
TEST_F(SpecFileTest, AKilledSaveLeavesAPrivateTemporaryThatALaterSaveRemovesAfterAnHour) {
    const fs::path dir = folder / "saves", car = dir / "car.qrx";
    fs::create_directory(dir);
    testing::WriteFileBytes(car, "old");
    fs::permissions(car, fs::perms::owner_read | fs::perms::owner_write);
    if (pid_t child = fork(); child == 0) {
        const rlimit fileSize{4096, 4096}, noCore{0, 0};
        setrlimit(RLIMIT_FSIZE, &fileSize);  // the save is killed at the 4097th byte
        setrlimit(RLIMIT_CORE, &noCore);
        umask(022);
        // The limit kills the child inside the write: it never returns to be checked.
        static_cast<void>(WriteFileAtomically(car, std::string(100000, 'n')));
        _exit(0);
    } else {
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
    }
    std::vector<fs::path> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        if (entry.path() != car) left.push_back(entry.path());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(fs::status(left[0]).permissions(), fs::status(car).permissions());
    EXPECT_EQ(ReadFileBytes(car), "old");
    for (int hours : {0, 2}) {
        fs::last_write_time(left[0], fs::file_time_type::clock::now() - std::chrono::hours(hours));
        ASSERT_TRUE(WriteFileAtomically(car, "new").ok);
        EXPECT_EQ(fs::exists(left[0]), hours == 0) << hours << " hours old";
    }
}

TEST_F(SpecFileTest, WriteFileIfChangedLeavesAFileOfTheSameBytesAloneAndWritesAnyOther) {
    const fs::path file = folder / "kept";
    auto inode = [&] {
        struct stat status {};
        return stat(file.c_str(), &status) == 0 ? status.st_ino : 0;
    };
    for (std::string bytes : {"", "a\r\n", "a\r\n", "a\r\nb", "a\r\n"}) {
        bool same = fs::exists(file) && ReadFileBytes(file) == bytes;
        ino_t before = inode();
        ASSERT_TRUE(WriteFileIfChanged(file, bytes).ok);
        EXPECT_EQ(ReadFileBytes(file), bytes);
        EXPECT_EQ(inode() == before, same) << bytes;
    }
}

}  // namespace
}  // namespace gyrant
