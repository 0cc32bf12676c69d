#pragma once

// Starts outside programs: a text viewer for a document, a web browser for the maker's site.

#include <string>
#include <vector>

namespace gyrant {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a program with its arguments in a window of its own; false when it could not start.
    virtual bool Start(const std::vector<std::string>& command) = 0;
};

// Finds a file by name on the disks, as the file seek window does, and returns the path the user
// chose; empty when the user cancelled.
class FileSeeker {
public:
    virtual ~FileSeeker() = default;
    virtual std::string Seek(const std::string& fileName) = 0;
};

}  // namespace gyrant
