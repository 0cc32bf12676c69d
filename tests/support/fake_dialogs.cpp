#include "support/fake_dialogs.h"

namespace gyrant::testing {
namespace {

template <typename T>
T TakeOr(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T next = std::move(queue.front());
    queue.pop_front();
    return next;
}

}  // namespace

Answer FakeDialogs::ShowMessage(const Message& message) {
    messages.push_back(message);
    return TakeOr(answers, message.defaultButton);
}

std::string FakeDialogs::InputBox(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) {
    inputsAsked.push_back({prompt, title, defaultText});
    return TakeOr(inputs, std::string{});
}

std::optional<std::string> FakeDialogs::ChooseOpenFile(const FileChooser& chooser) {
    choosersShown.push_back(chooser);
    return TakeOr(files, std::optional<std::string>{});
}

std::optional<std::string> FakeDialogs::ChooseSaveFile(const FileChooser& chooser) {
    choosersShown.push_back(chooser);
    return TakeOr(files, std::optional<std::string>{});
}

}  // namespace gyrant::testing
