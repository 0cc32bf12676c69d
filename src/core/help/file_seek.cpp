#include "help/file_seek.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "text/cell_text.h"

namespace gyrant {
namespace fs = std::filesystem;
namespace {

bool SameName(const std::string& a, const std::string& b) {
    return UpperCase(a) == UpperCase(b);
}

bool HoldsSpecFile(const std::vector<std::string>& files) {
    return std::any_of(files.begin(), files.end(), [](const std::string& name) {
        return name.size() >= 4 && UpperCase(name.substr(name.size() - 4)) == ".QRX";
    });
}

class Seek {
  public:
    Seek(const FolderReader& reader, const std::string& fileName, bool anyFolder,
         const std::function<bool(int, const std::vector<std::string>&)>& keepGoing)
        : m_reader(reader), m_fileName(fileName), m_anyFolder(anyFolder), m_keepGoing(keepGoing) {}

    // Searches a folder and those below it; false when the search was halted.
    bool Folder(const std::string& path) {
        ++m_result.foldersSearched;
        if (!m_keepGoing(m_result.foldersSearched, m_result.found)) {
            m_result.halted = true;
            return false;
        }
        std::optional<FolderReader::Listing> listing = m_reader.List(path);
        if (!listing) return true;  // a folder that cannot be read is passed by
        for (auto it = listing->folders.rbegin(); it != listing->folders.rend(); ++it)
            if (!Folder(JoinSeekPath(path, *it))) return false;
        if (!m_anyFolder && !HoldsSpecFile(listing->files)) return true;
        for (const std::string& file : listing->files)
            if (SameName(file, m_fileName)) m_result.found.push_back(JoinSeekPath(path, file));
        return true;
    }

    SeekResult Result() const { return m_result; }

  private:
    const FolderReader& m_reader;
    const std::string& m_fileName;
    bool m_anyFolder;
    const std::function<bool(int, const std::vector<std::string>&)>& m_keepGoing;
    SeekResult m_result;
};

}  // namespace

std::string JoinSeekPath(const std::string& folder, const std::string& name) {
    bool endsInSeparator = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
    return endsInSeparator ? folder + name : folder + "/" + name;
}

SeekStep NextSeekStep(const SeekResult& result, const std::string& drive,
                      const std::string& fileName) {
    const std::vector<std::string>& found = result.found;
    if (found.empty())
        return {SeekStep::SayNotFound,
                "This file was not found on the " + drive +
                    " Drive.  Possible reasons include:\r\r"
                    "    -  You do not own the correct version of this\r       Vehicle Program.\r\r"
                    "    -  This program is on a different disk drive."};
    if (found.size() == 1 && !result.halted) return {SeekStep::TakeOnlyCopy, found.front()};
    return {SeekStep::LetUserPick,
            "Double click (or single click and click on 'Use') on the "
            "occurance of " +
                fileName + " you want to use."};
}

std::string SeekInstructions(const std::string& fileName) {
    return "Select Drive to Search for " + fileName + "\rThen click on the Search Button";
}

std::string FoundCountText(std::size_t count, const std::string& fileName) {
    return GeneralForm(static_cast<double>(count)) + " Occurances Found of " + fileName;
}

bool IsProgramFileName(const std::string& fileName) {
    std::string upper = UpperCase(fileName);
    return upper == "IEXPLORE.EXE" || upper == "ACRORD32.EXE" || upper == "FIREFOX";
}

SeekResult SeekFile(const FolderReader& reader, const std::string& drive,
                    const std::string& fileName, bool anyFolder,
                    const std::function<bool(int, const std::vector<std::string>&)>& keepGoing) {
    Seek seek(reader, fileName, anyFolder, keepGoing);
    seek.Folder(drive);
    return seek.Result();
}

std::optional<FolderReader::Listing> LocalFolderReader::List(const std::string& folder) const {
    std::error_code error;
    fs::directory_iterator it(folder, error), end;
    if (error) return std::nullopt;
    Listing listing;
    for (; it != end; it.increment(error)) {
        if (error) break;
        fs::file_status status = it->symlink_status(error);
        if (error) continue;
        std::string name = it->path().filename().string();
        if (fs::is_directory(status))
            listing.folders.push_back(name);
        else
            listing.files.push_back(name);
    }
    std::sort(listing.folders.begin(), listing.folders.end());
    return listing;
}

std::vector<std::string> LocalFolderReader::Drives() const {
    std::vector<std::string> drives = {"/"};
    std::ifstream mounts("/proc/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        fields >> device >> mountPoint;
        // Disks and their partitions; the kernel's own file systems hold nothing to find.
        if (device.starts_with("/dev/") && mountPoint != "/" &&
            std::find(drives.begin(), drives.end(), mountPoint) == drives.end())
            drives.push_back(mountPoint);
    }
    return drives;
}

}  // namespace gyrant
