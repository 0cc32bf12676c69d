#pragma once

// Gyrant's own read-only window for a plain text document (Readme.doc, the help documents),
// shown when no outside viewer can show it.

#include <QWidget>

namespace gyrant {

class TextWindow : public QWidget {
    Q_OBJECT

  public:
    TextWindow(const QString& title, const QString& text, QWidget* parent);
};

}  // namespace gyrant
