#pragma once

// Starts outside programs: a text viewer for a document, a web browser for the maker's site;
// and shows a document in Gyrant's own text window when no outside viewer can.

#include <string>
#include <vector>

namespace gyrant {

class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts a program with its arguments in a window of its own; false when it could not start.
    // A desktop opener hands the document to another program and ends: when `exitStatusCounts`
    // it counts as started only if it ends with success, or is still running after a while.
    virtual bool Start(const std::vector<std::string>& command, bool exitStatusCounts) = 0;
    // Shows a plain text in Gyrant's own read-only text window, with the title as its caption.
    virtual void ShowText(const std::string& title, const std::string& text) = 0;
};

// Finds a file by name on the disks, as the file seek window does, and returns the path the user
// chose; empty when the user cancelled.
class FileSeeker {
  public:
    virtual ~FileSeeker() = default;
    virtual std::string Seek(const std::string& fileName) = 0;
};

}  // namespace gyrant
