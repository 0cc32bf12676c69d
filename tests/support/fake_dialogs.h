#pragma once

// A scripted stand-in for the user: records every message and input box in order and answers
// them from queues. An unscripted message is answered with its default button, an unscripted
// input box with Cancel, an unscripted file chooser with Cancel.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ports/dialogs.h"

namespace gyrant::testing {

class FakeDialogs : public Dialogs {
public:
    struct InputAsked {
        std::string prompt, title, defaultText;
    };

    Answer ShowMessage(const Message& message) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::optional<std::string> ChooseOpenFile(const FileChooser& chooser) override;
    std::optional<std::string> ChooseSaveFile(const FileChooser& chooser) override;

    std::deque<Answer> answers;
    std::deque<std::string> inputs;
    std::deque<std::optional<std::string>> files;

    std::vector<Message> messages;
    std::vector<InputAsked> inputsAsked;
    std::vector<FileChooser> choosersShown;
};

}  // namespace gyrant::testing
