#pragma once

// Asks and tells the user through Qt's message boxes, input dialogs and file dialogs.

#include <QWidget>

#include "ports/dialogs.h"

namespace gyrant {

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent) : m_parent(parent) {}

    Answer ShowMessage(const Message& message) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::optional<std::string> ChooseOpenFile(const FileChooser& chooser) override;
    std::optional<std::string> ChooseSaveFile(const FileChooser& chooser) override;

  private:
    QWidget* m_parent;
};

}  // namespace gyrant
