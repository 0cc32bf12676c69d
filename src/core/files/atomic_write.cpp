#include "files/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string_view>

#include "text/input_file.h"
#include "text/windows1252.h"

namespace gyrant {
namespace fs = std::filesystem;
namespace {

constexpr int kMostLinks = 40;
constexpr int kNameAttempts = 100;

Outcome Failed(const fs::path& target, const std::string& reason) {
    return Outcome::Failure("The file " + FileNameText(target.string()) +
                            " could not be saved: " + reason + ".");
}

std::string Reason() {
    return std::strerror(errno);
}

// The file a path names once every symbolic link on the way is followed, so that a save through
// a link writes the real file and the link stays a link. Nothing when the links go round.
std::optional<fs::path> RealTarget(fs::path path) {
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(path, error)) return path;
        fs::path next = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// Why the file cannot be replaced, or nothing when it may be. A file without any write
// permission is kept as it is even for the superuser, who the system would let write it.
std::optional<std::string> WhyNotReplaceable(const fs::path& target, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return "it is a folder";
    if (!S_ISREG(info.st_mode)) return "it is not a plain file";
    if ((info.st_mode & 0222) == 0) return "the file is read-only";
    if (access(target.c_str(), W_OK) != 0) return Reason();
    return std::nullopt;
}

// A temporary file's name: ".gyrant-" and the writer's process number in ten digits, "-" and
// twelve random hexadecimal digits, ".tmp". Short and of one length, so that beside any file
// name the folder takes there is room for it, and a leftover tells whose it was.
constexpr std::string_view kTemporaryStart = ".gyrant-";
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr std::size_t kPidDigits = 10;
constexpr std::size_t kRandomDigits = 12;
constexpr std::size_t kTemporaryLength =
    kTemporaryStart.size() + kPidDigits + 1 + kRandomDigits + kTemporaryEnd.size();

std::string TemporaryName(std::uint64_t random) {
    char name[64];  // a pid has at most ten digits, so every name has kTemporaryLength
    std::snprintf(name, sizeof name, ".gyrant-%010ld-%012llx.tmp", static_cast<long>(getpid()),
                  static_cast<unsigned long long>(random & 0xffffffffffffULL));
    return name;
}

// The process that wrote a temporary file of this program's pattern, or nothing for any other
// name.
std::optional<pid_t> WriterOf(std::string_view name) {
    if (name.size() != kTemporaryLength || !name.starts_with(kTemporaryStart) ||
        !name.ends_with(kTemporaryEnd))
        return std::nullopt;
    std::string_view pid = name.substr(kTemporaryStart.size(), kPidDigits);
    std::string_view random = name.substr(kTemporaryStart.size() + kPidDigits + 1, kRandomDigits);
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    auto isHex = [&](char c) { return isDigit(c) || (c >= 'a' && c <= 'f'); };
    if (name[kTemporaryStart.size() + kPidDigits] != '-' ||
        !std::all_of(pid.begin(), pid.end(), isDigit) ||
        !std::all_of(random.begin(), random.end(), isHex))
        return std::nullopt;
    long number = std::stol(std::string(pid));
    if (number <= 0 || number > std::numeric_limits<pid_t>::max()) return std::nullopt;
    return static_cast<pid_t>(number);
}

// Removes what killed saves left in the folder: plain files of the program's own pattern, of
// this user, untouched for an hour, whose writer has ended. Links, FIFOs and anything else
// stay; unlink never follows a link.
void RemoveLeftovers(const fs::path& folder) {
    constexpr time_t kHour = 60 * 60;
    std::error_code error;
    for (fs::directory_iterator entry(folder.empty() ? fs::path(".") : folder, error), end;
         !error && entry != end; entry.increment(error)) {
        std::optional<pid_t> writer = WriterOf(entry->path().filename().native());
        struct stat info {};
        if (!writer || lstat(entry->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != geteuid() || info.st_mtime > time(nullptr) - kHour)
            continue;
        if (kill(*writer, 0) != 0 && errno == ESRCH) unlink(entry->path().c_str());
    }
}

// Creates a new file beside the target under a name no one else uses, never through a link
// or a FIFO planted there, readable by no one the target does not let read it, not even while
// it is written: with the target's permissions, or for a new file those the user's umask gives.
// -1 with errno set when the folder does not take it.
int CreateTemporary(const fs::path& target, const std::optional<mode_t>& oldMode,
                    fs::path& temporary) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = target.parent_path() / TemporaryName(random());
        int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      oldMode ? *oldMode & 0777 : 0666);
        if (fd >= 0 && oldMode && fchmod(fd, *oldMode & 07777) != 0) {
            int reason = errno;
            close(fd);
            unlink(temporary.c_str());
            errno = reason;
            return -1;
        }
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// Writes and puts the bytes on the disk; on failure errno holds the reason.
bool FillTemporary(int fd, const std::string& bytes) {
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    int reason = errno;
    if (close(fd) != 0 && ok) return false;
    errno = reason;
    return ok;
}

// The rename reaches the disk only with its folder.
void SyncFolder(const fs::path& folder) {
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

Outcome WriteFileAtomically(const fs::path& target, const std::string& bytes) {
    std::optional<fs::path> real = RealTarget(target);
    if (!real) return Failed(target, "its links lead nowhere");
    struct stat info {};
    std::optional<mode_t> oldMode;
    if (stat(real->c_str(), &info) == 0) {
        if (std::optional<std::string> why = WhyNotReplaceable(*real, info))
            return Failed(target, *why);
        oldMode = info.st_mode;
    }
    RemoveLeftovers(real->parent_path());
    fs::path temporary;
    int fd = CreateTemporary(*real, oldMode, temporary);
    if (fd < 0) return Failed(target, Reason());
    errno = 0;
    if (!FillTemporary(fd, bytes) || rename(temporary.c_str(), real->c_str()) != 0) {
        std::string reason = errno != 0 ? Reason() : "the disk may be full";
        unlink(temporary.c_str());
        return Failed(target, reason);
    }
    SyncFolder(real->parent_path());
    return Outcome::Success();
}

Outcome WriteFileIfChanged(const std::filesystem::path& target, const std::string& bytes) {
    InputFile old(target);
    if (old) {
        // One byte more than the new text tells a longer file from an equal one.
        std::string held(bytes.size() + 1, '\0');
        old.read(held.data(), static_cast<std::streamsize>(held.size()));
        held.resize(static_cast<std::size_t>(old.gcount()));
        if (!old.bad() && held == bytes) return Outcome::Success();
    }
    return WriteFileAtomically(target, bytes);
}

}  // namespace gyrant
