#pragma once

#include <string>

namespace gyrant {

// What a core step reports back instead of showing a message: success, or a failure with the
// text the user should read.
struct [[nodiscard]] Outcome {
    bool ok = true;
    std::string message;

    static Outcome Success() { return {}; }
    static Outcome Failure(std::string text) { return {false, std::move(text)}; }
};

}  // namespace gyrant
