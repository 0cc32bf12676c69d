#pragma once

#include "ports/launcher.h"

namespace gyrant {

// Starts outside programs detached from Gyrant, so they live on when it ends.
class QtLauncher : public Launcher {
public:
    bool Start(const std::vector<std::string>& command) override;
};

}  // namespace gyrant
