#pragma once

// What the program shows as it starts: the splash window for three seconds, the introductory
// help tips once (with lines on the main window marking what they speak of), then the warning.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QWidget>

#include "model/worksheet.h"

namespace gyrant {

class MainWindow;

// `SplashForm`: the program's name, maker and picture.
class SplashWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SplashWindow(QWidget* parent);
};

// `frmIntroHelp`: one tip, with its "Don't show this again" box.
class TipWindow : public QDialog {
    Q_OBJECT

  public:
    TipWindow(int tipNumber, QWidget* parent);
    bool DontShowAgain() const { return m_check->isChecked(); }

  private:
    QCheckBox* m_check = nullptr;
};

// `PrintScreen`: the warning message read from "WARNING.TXT".
class WarningWindow : public QDialog {
    Q_OBJECT

  public:
    WarningWindow(Worksheet& sheet, MainWindow& window);
};

// Runs the start sequence over the main window: splash, tips, warning.
void ShowStartSequence(MainWindow& window, Worksheet& sheet);

}  // namespace gyrant
