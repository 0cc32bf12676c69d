#include "files/atomic_write.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <atomic>
#include <functional>
#include <map>
#include <thread>

#include "support/program_folder.h"

namespace gyrant {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

std::string Describe(fs::perms mode, const std::string& bytes) {
    return std::to_string(int(mode)) + " " + std::to_string(bytes.size()) + " " +
           std::to_string(std::hash<std::string>()(bytes));
}

// Everything in a folder, links, FIFOs and devices as what they are and never opened; a file
// as its permissions, size and a hash of its bytes.
void Snapshot(const fs::path& dir, const std::string& prefix,
              std::map<std::string, std::string>& entries) {
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        std::string name = prefix + entry.path().filename().string();
        fs::file_status status = entry.symlink_status();
        if (fs::is_symlink(status))
            entries[name] = "link " + fs::read_symlink(entry.path()).string();
        else if (fs::is_regular_file(status))
            entries[name] = Describe(status.permissions(), ReadFileBytes(entry.path()));
        else
            entries[name] = std::to_string(int(status.type()));
        if (fs::is_directory(status)) Snapshot(entry.path(), name + "/", entries);
    }
}

// A small file system of its own, read-only when asked; false where the machine cannot mount.
bool MountSmallDisk(const fs::path& dir, bool readOnly) {
    fs::create_directory(dir);
    if (mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") != 0) return false;
    WriteFileBytes(dir / "car.qrx", "old");
    return !readOnly ||
           mount("tmpfs", dir.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
}

struct Fault {
    const char* name;
    std::function<bool(const fs::path&)> plant;  // false: this machine cannot make the fault
    const char* saved;                           // the name saved to
    const char* written;  // the file that takes the bytes, nothing when the save must fail
    const char* reason;
};

const Fault kFaults[] = {
    {"FullDisk", [](const fs::path& d) { return MountSmallDisk(d / "disk", false); },
     "disk/car.qrx", nullptr, "No space left on device"},
    {"ReadOnlyFolder", [](const fs::path& d) { return MountSmallDisk(d / "disk", true); },
     "disk/car.qrx", nullptr, "Read-only file system"},
    {"ReadOnlyFile", [](const fs::path& d) { return chmod((d / "car.qrx").c_str(), 0444) == 0; },
     "car.qrx", nullptr, "read-only"},
    {"Folder", [](const fs::path& d) { return fs::create_directory(d / "dir.qrx"); }, "dir.qrx",
     nullptr, "folder"},
    {"Fifo", [](const fs::path& d) { return mkfifo((d / "pipe.qrx").c_str(), 0644) == 0; },
     "pipe.qrx", nullptr, "not a plain file"},
    {"Device",
     [](const fs::path& d) {
         return mknod((d / "null.qrx").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
     },
     "null.qrx", nullptr, "not a plain file"},
    {"FolderGone", [](const fs::path&) { return true; }, "gone/car.qrx", nullptr, "No such file"},
    {"LinkLoop",
     [](const fs::path& d) { return fs::create_symlink("loop.qrx", d / "loop.qrx"), true; },
     "loop.qrx", nullptr, "links"},
    {"FileDeletedWhileOpen", [](const fs::path& d) { return fs::remove(d / "car.qrx"); }, "car.qrx",
     "car.qrx", ""},
    {"LinkChain",
     [](const fs::path& d) {
         return fs::create_symlink("car.qrx", d / "b"), fs::create_symlink("b", d / "a"), true;
     },
     "a", "car.qrx", ""},
    {"PlantedLink",
     [](const fs::path& d) { return fs::create_symlink("victim", d / "car.qrx.saving"), true; },
     "car.qrx", "car.qrx", ""},
    {"PlantedFifo",
     [](const fs::path& d) { return mkfifo((d / "car.qrx.saving").c_str(), 0644) == 0; }, "car.qrx",
     "car.qrx", ""},
};

class SaveUnderFault : public ::testing::TestWithParam<Fault> {
  protected:
    ~SaveUnderFault() override { umount2((dir / "disk").c_str(), MNT_DETACH); }
    testing::ProgramFolder folder;
    fs::path dir = folder / "saves";
};

// The user is told the reason, or the bytes reach the file meant; nothing else on disk changes.
TEST_P(SaveUnderFault, TellsTheReasonOrWritesTheFileMeantAndNothingElse) {
    const Fault& fault = GetParam();
    fs::create_directory(dir);
    WriteFileBytes(dir / "car.qrx", "old");
    chmod((dir / "car.qrx").c_str(), 0600);
    WriteFileBytes(dir / "victim", "victim");
    if (!fault.plant(dir)) GTEST_SKIP() << "this machine cannot make the fault";
    std::map<std::string, std::string> expected, after;
    Snapshot(dir, "", expected);
    const std::string bytes(200000, 'n');
    Outcome outcome = WriteFileAtomically(dir / fault.saved, bytes);
    EXPECT_EQ(outcome.ok, fault.written != nullptr) << outcome.message;
    EXPECT_NE(outcome.message.find(fault.reason), std::string::npos) << outcome.message;
    mode_t mask = umask(0);
    umask(mask);
    // A replaced file keeps its permissions; a new one gets the usual ones.
    fs::perms mode =
        fs::perms(expected.contains(fault.written ? fault.written : "") ? 0600 : 0666 & ~mask);
    if (fault.written) expected[fault.written] = Describe(mode, bytes);
    Snapshot(dir, "", after);
    EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveUnderFault, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteFileAtomically, TwoSavesAtOnceEachLeaveAWholeFile) {
    testing::ProgramFolder folder;
    const std::string first(100000, '1'), second(50000, '2');
    std::atomic<int> failed = 0;
    auto save = [&](const std::string& bytes) {
        for (int i = 0; i < 100; ++i)
            failed += WriteFileAtomically(folder / "car.qrx", bytes).ok ? 0 : 1;
    };
    std::thread one(save, first), two(save, second);
    for (int read = 0; read < 300; ++read) {
        std::string seen = ReadFileBytes(folder / "car.qrx");
        EXPECT_TRUE(seen.empty() || seen == first || seen == second);
    }
    one.join();
    two.join();
    EXPECT_EQ(failed, 0);
}

}  // namespace
}  // namespace gyrant
