#pragma once

// A scripted stand-in for the user: records every message, input box and file chooser in order
// and answers them from queues. An unscripted message is answered with its default button, an
// unscripted input box or file chooser with Cancel.

#include <deque>
#include <functional>
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

    Answer ShowMessage(const Message& message) override {
        if (whenAsked) whenAsked();
        messages.push_back(message);
        return Next(answers, message.defaultButton);
    }
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        inputsAsked.push_back({prompt, title, defaultText});
        return Next(inputs, std::string{});
    }
    std::optional<std::string> ChooseOpenFile(const FileChooser& chooser) override {
        choosersShown.push_back(chooser);
        return Next(files, std::optional<std::string>{});
    }
    std::optional<std::string> ChooseSaveFile(const FileChooser& chooser) override {
        return ChooseOpenFile(chooser);
    }

    // Runs as each message is shown, to look at the windows behind it.
    std::function<void()> whenAsked;
    std::deque<Answer> answers;
    std::deque<std::string> inputs;
    std::deque<std::optional<std::string>> files;

    std::vector<Message> messages;
    std::vector<InputAsked> inputsAsked;
    std::vector<FileChooser> choosersShown;

  private:
    template <typename T>
    static T Next(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T next = std::move(queue.front());
        queue.pop_front();
        return next;
    }
};

}  // namespace gyrant::testing
