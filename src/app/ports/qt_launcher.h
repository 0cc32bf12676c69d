#pragma once

#include "ports/launcher.h"

namespace gyrant {

// Starts outside programs detached from Gyrant, so they live on when it ends, and shows texts in
// Gyrant's own text window over the window in front.
class QtLauncher : public Launcher {
  public:
    bool Start(const std::vector<std::string>& command, bool exitStatusCounts) override;
    void ShowText(const std::string& title, const std::string& text) override;
};

}  // namespace gyrant
