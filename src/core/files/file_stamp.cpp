#include "files/file_stamp.h"

#include <sys/stat.h>

namespace gyrant {

FileStamp StampOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return {};
    return {true,
            static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

bool ChangedOnDisk(const Worksheet& sheet) {
    FileStamp now = StampOf(sheet.file.CurrentFilePath);
    return now.exists && now != sheet.file.CurrentFileStamp;
}

}  // namespace gyrant
