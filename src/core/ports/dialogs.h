#pragma once

// How core asks and tells the user: messages, input boxes and file choosers. The program
// shows them as windows; tests answer them from a script. A line break inside a message
// text is a single CR.

#include <optional>
#include <string>

namespace gyrant {

// ReplaceSaveAsCancel: "Replace", "Save As..." and "Cancel", asked before a save replaces a
// file another program changed.
enum class Buttons { Ok, YesNo, YesNoCancel, ReplaceSaveAsCancel };
enum class Icon { None, Question, Exclamation, Information, Critical };
enum class Answer { Ok, Yes, No, Cancel, Replace, SaveAs };

struct Message {
    std::string text;
    std::string title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
};

struct FileChooser {
    std::string title;
    std::string filter;
    std::string folder;
    std::string proposedName;
    bool mustExist = false;       // Open: only an existing file may be chosen
    bool confirmReplace = false;  // Save: ask before an existing file is replaced
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual Answer ShowMessage(const Message& message) = 0;
    // The text typed, empty when the user cancels.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    // The chosen path, nothing when the user cancels.
    virtual std::optional<std::string> ChooseOpenFile(const FileChooser& chooser) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileChooser& chooser) = 0;
};

// Tells the user something that takes only OK for an answer.
inline void Tell(Dialogs& dialogs, const std::string& text, const std::string& title,
                 Icon icon = Icon::None) {
    dialogs.ShowMessage({text, title, Buttons::Ok, icon, Answer::Ok});
}

}  // namespace gyrant
