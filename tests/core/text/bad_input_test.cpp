// Every reader of outside text, given damaged, endless and odd files in place of its own: a
// clear refusal or what it could read, never a crash, a hang or memory without end.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <functional>
#include <random>

#include "calc/calc_menu.h"
#include "editor/edit_strip.h"
#include "engine/update_table.h"
#include "files/program_places.h"
#include "files/settings_file.h"
#include "files/spec_file.h"
#include "help/help_pages.h"
#include "help/text_file.h"
#include "model/spec_rows.h"
#include "support/program_folder.h"
#include "text/line_reader.h"

namespace gyrant {
namespace {
namespace fs = std::filesystem;
using namespace std::string_literals;

std::string OpenCalcMenu(Worksheet& sheet, int kind) {
    EditStrip strip;
    return CalcMenu(sheet, strip, kind).Open().message;
}

// A reader as the program runs it: its refusal, "" when it read the file; its name when missing.
struct Reader {
    const char* file;
    bool refusesHalfAFile;
    std::function<std::string(Worksheet&)> read;
    const char* missing = nullptr;
    friend void PrintTo(const Reader& r, std::ostream* os) { *os << r.file; }
};

const Reader kReaders[] = {
    {"GyrantFiles/V8 Street Car.qrx", true,
     [](Worksheet& sheet) {
         SpecFileResult read = ReadSpecFile(
             sheet, (sheet.setup.ProgramFolder / "GyrantFiles/V8 Street Car.qrx").string());
         if (SpecsRead(read.status)) Recalculate(sheet);
         return read.message;
     }},
    {"CRCNFG.QRX", false,
     [](Worksheet& sheet) {
         ReadSettings(sheet, sheet.setup.ProgramFolder / "CRCNFG.QRX");
         return sheet.setup.BrowserPath.empty() ? "the defaults stay"s : "";
     }},
    {"GyrantTEXT/helpi.txt", true,
     [](Worksheet& sheet) {
         Outcome setup = SetupWorksheet(sheet);
         // A refused file leaves the tables as they were: the program never runs half-built.
         EXPECT_EQ(setup.ok,
                   !sheet.Table(kBaseline).Text(kVehicleWeightRow, kColDescription).empty());
         return setup.message;
     },
     "row definition"},
    {"CALC/finldrve.CLC", true,
     [](Worksheet& sheet) { return OpenCalcMenu(sheet, kFinalDriveCalc); }, "calculation menu"},
    {"CALC/vehweight.txt", false,
     [](Worksheet& sheet) { return OpenCalcMenu(sheet, kVehicleWeightCalc); }, "vehicle weight"},
    {"CALC/trans", false, [](Worksheet& sheet) { return OpenCalcMenu(sheet, kTransmissionCalc); },
     "transmission"},
    {"GyrantTEXT/helpb0.txt", false,
     [](Worksheet& sheet) {
         return HelpPages(sheet.setup.ProgramFolder, 100).Title().empty() ? "empty page"s : "";
     }},
    {"GyrantTEXT/WARNING.TXT", false,
     [](Worksheet& sheet) {
         return ReadWarningText(sheet.setup.ProgramFolder).title.empty() ? "no warning"s : "";
     }},
};

// Line ends in turn CR LF, LF and CR; with `odd`, each number line in turn an odd number.
std::string Relined(const std::string& text, bool odd) {
    const std::string nines(400, '9'), huge = std::string(52, '7') + "e9223372036854775807";
    const std::string numbers[] = {"1e308", "-0", "1e-320", "NaN", "inf", nines, huge, "-1e308"};
    const char* ends[] = {"\r\n", "\n", "\r"};
    std::string relined;
    for (std::size_t at = 0, count = 0; at < text.size(); ++count) {
        std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        std::string line = text.substr(at, end - at);
        std::size_t first = line.find_first_not_of(' ');
        if (odd && first != std::string::npos && std::strchr("0123456789-.", line[first]))
            line = numbers[count % std::size(numbers)];
        relined += line + ends[count % 3];
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return relined;
}

using Make = std::function<void(const fs::path&, const std::string&)>;

Make Writes(std::function<std::string(std::string)> bytes) {
    return [bytes](const fs::path& p, const std::string& whole) {
        testing::WriteFileBytes(p, bytes(whole));
    };
}

Make Replaces(std::function<void(const fs::path&)> make) {
    return [make](const fs::path& p, const std::string&) {
        fs::remove(p);
        make(p);
    };
}

struct BadFile {
    const char* name;
    Make make;
    enum { Reads, Refused, Either, RefusedWhenHalf } expect;
    friend void PrintTo(const BadFile& b, std::ostream* os) { *os << b.name; }
};

const BadFile kBadFiles[] = {
    {"missing", Replaces([](const fs::path&) {}), BadFile::Refused},
    {"empty", Writes([](std::string) { return ""; }), BadFile::Refused},
    {"cut in half", Writes([](std::string w) { return w.substr(0, w.size() / 2); }),
     BadFile::RefusedWhenHalf},
    {"binary", Writes([](std::string w) {
         std::mt19937 random(12);
         for (char& byte : w) byte = static_cast<char>(random());
         return w;
     }),
     BadFile::Either},
    {"NUL bytes", Writes([](std::string w) {
         for (std::size_t at = 3; at < w.size(); at += 7) w[at] = '\0';
         return w;
     }),
     BadFile::Either},
    {"CR, LF and CR LF", Writes([](std::string w) { return Relined(w, false); }), BadFile::Reads},
    {"odd numbers", Writes([](std::string w) { return Relined(w, true); }), BadFile::Either},
    {"a last line of 1 MB",
     Writes([](std::string w) { return w + std::string(kMostLineBytes, 'x'); }), BadFile::Either},
    {"a first line over 1 MB",
     Writes([](std::string w) { return std::string(kMostLineBytes + 1, '1') + w; }),
     BadFile::Refused},
    {"100 MB", [](const fs::path& p, const std::string&) { fs::resize_file(p, 100 << 20); },
     BadFile::Refused},
    {"a FIFO", Replaces([](const fs::path& p) { mkfifo(p.c_str(), 0600); }), BadFile::Refused},
    {"an endless device", Replaces([](const fs::path& p) { fs::create_symlink("/dev/zero", p); }),
     BadFile::Refused},
    {"a folder", Replaces([](const fs::path& p) { fs::create_directory(p); }), BadFile::Refused},
};

class BadInputTest : public ::testing::TestWithParam<std::tuple<Reader, BadFile>> {};

TEST_P(BadInputTest, IsRefusedWithAMessageOrRead) {
    auto [reader, bad] = GetParam();
    testing::ProgramFolder folder;
    Worksheet sheet;
    sheet.setup.ProgramFolder = folder.Path();
    testing::WriteFileBytes(folder / "CRCNFG.QRX",
                            " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n/usr/bin/browser\r\n");
    bad.make(folder / reader.file, testing::ReadFileBytes(folder / reader.file));

    std::string refusal = reader.read(sheet);
    bool refused = bad.expect == BadFile::Refused ||
                   (bad.expect == BadFile::RefusedWhenHalf && reader.refusesHalfAFile);
    EXPECT_TRUE(refusal != "" || !refused) << reader.file << ", " << bad.name;
    EXPECT_TRUE(refusal == "" || bad.expect != BadFile::Reads) << reader.file << ": " << refusal;
    std::string named = "The " + std::string(reader.missing ? reader.missing : "") + " file " +
                        (folder / reader.file).string() + " is missing or can not be read.";
    EXPECT_TRUE(refusal == named || !reader.missing || bad.name != std::string("missing"))
        << refusal;
}

// Named by the file and what was done to it, "CALCtrans_aFIFO".
INSTANTIATE_TEST_SUITE_P(
    EveryReader, BadInputTest,
    ::testing::Combine(::testing::ValuesIn(kReaders), ::testing::ValuesIn(kBadFiles)),
    [](const auto& test) {
        std::string name = std::get<0>(test.param).file + ("_"s + std::get<1>(test.param).name);
        std::erase_if(name, [](char c) { return !std::isalnum(c) && c != '_'; });
        return name;
    });

}  // namespace
}  // namespace gyrant
