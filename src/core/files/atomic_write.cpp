#include "files/atomic_write.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace gyrant {
namespace fs = std::filesystem;
namespace {

Outcome Failed(const fs::path& target, const std::string& reason) {
    return Outcome::Failure("The file " + target.string() + " could not be saved: " + reason + ".");
}

std::string LastReason(const char* fallback) {
    return errno != 0 ? std::strerror(errno) : fallback;
}

}  // namespace

Outcome WriteFileAtomically(const fs::path& target, const std::string& bytes) {
    std::error_code error;
    if (fs::is_directory(target, error)) return Failed(target, "it is a folder");
    if (fs::exists(target, error) && !fs::is_regular_file(target, error))
        return Failed(target, "it is not a plain file");
    fs::path temporary = target;
    temporary += ".saving";
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return Failed(target, LastReason("the folder cannot be written"));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::string reason = LastReason("the disk may be full");
        fs::remove(temporary, error);
        return Failed(target, reason);
    }
    if (fs::exists(target, error))
        fs::permissions(temporary, fs::status(target, error).permissions(), error);
    fs::rename(temporary, target, error);
    if (error) {
        std::string reason = error.message();
        fs::remove(temporary, error);
        return Failed(target, reason);
    }
    return Outcome::Success();
}

}  // namespace gyrant
