#pragma once

// The search of a disk for a file by name, folder by folder, as the file seek window runs it.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace gyrant {

// What the search reads of the disks.
class FolderReader {
  public:
    virtual ~FolderReader() = default;
    struct Listing {
        std::vector<std::string> folders;  // sub-folder names, sorted
        std::vector<std::string> files;    // file names
    };
    // The folder's entries; nothing when it cannot be read.
    virtual std::optional<Listing> List(const std::string& folder) const = 0;
    // The disks to search: the mounted file systems, "/" first.
    virtual std::vector<std::string> Drives() const = 0;
};

// Reads the local disks; linked folders are not entered, so a link loop cannot trap a search.
class LocalFolderReader : public FolderReader {
  public:
    std::optional<Listing> List(const std::string& folder) const override;
    std::vector<std::string> Drives() const override;
};

struct SeekResult {
    std::vector<std::string> found;  // full paths, in the order found
    int foldersSearched = 0;
    bool halted = false;
};

// Searches a drive for files named `fileName` (any letter case): every folder from the last
// sub-folder to the first, deepest first, then the folder's own files. A file is listed when
// `anyFolder` is true or its folder also holds a spec file (*.qrx). `keepGoing` is asked before
// each folder with the folders searched so far and the files found; false halts the search.
SeekResult SeekFile(const FolderReader& reader, const std::string& drive,
                    const std::string& fileName, bool anyFolder,
                    const std::function<bool(int, const std::vector<std::string>&)>& keepGoing);

// What the seek window does once a drive has been searched, with `text` the message, the path
// taken or the instructions for picking.
struct SeekStep {
    enum Kind {
        SayNotFound,   // the message; the window stays for another drive
        TakeOnlyCopy,  // the only path found is handed back at once
        LetUserPick,   // the user picks one of several with "Use" or a double click
    } kind;
    std::string text;
};
// A search the user halted never takes its only copy unasked: "Use" lets the user decide.
SeekStep NextSeekStep(const SeekResult& result, const std::string& drive,
                      const std::string& fileName);

// The window's instructions before a search, and its count of the copies found.
std::string SeekInstructions(const std::string& fileName);
std::string FoundCountText(std::size_t count, const std::string& fileName);

// True for the program files the seek lists wherever they lie (a browser, a document reader).
bool IsProgramFileName(const std::string& fileName);

// The path of a file in a folder, without a doubled separator at a drive's root.
std::string JoinSeekPath(const std::string& folder, const std::string& name);

}  // namespace gyrant
