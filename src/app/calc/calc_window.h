#pragma once

// The calculation sub-menu window `frmCalcData`, drawn from its core model: outputs at the
// top, the note, the inputs in one or two groups, and "Use Calc Value" (for the kinds that write
// back), "Help", "Cancel" and "Print". Clicking outside it closes it without using its value.

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>

#include "calc/calc_layout.h"
#include "calc/calc_menu.h"
#include "closes_on_focus_loss.h"

namespace gyrant {

class CalcWindow : public QDialog {
    Q_OBJECT

  public:
    // `print` prints the window's picture; `help` opens the help topic of the sub-menu.
    CalcWindow(std::unique_ptr<CalcMenu> menu, Worksheet& sheet, Dialogs& dialogs,
               std::function<void(QWidget*)> print, QWidget* parent);

    CalcMenu& Menu() { return *m_menu; }
    QLineEdit* TextBox(int k) { return m_boxes.at(static_cast<std::size_t>(k)); }
    QComboBox* List(int k) { return m_lists.at(static_cast<std::size_t>(k)); }
    QLabel* OutputValue(int k) { return m_outputValues.at(static_cast<std::size_t>(k)); }
    QPushButton* UseButton() { return m_use; }
    // Closes the window, and the help it opened, once the strip has left the row it writes into.
    void FollowStripRow();

  signals:
    // The sub-menu wrote into the strip and stays open.
    void stripChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Build();
    void BuildOutputs(const CalcLayout& layout);
    void BuildInputs(const CalcLayout& layout);
    void BuildNote(const CalcLayout& layout);
    void BuildButtons(const CalcLayout& layout);
    void ShowModel();
    void UseValue();
    void ShowHelp();
    void Print();
    int InputOf(QObject* widget) const;

    std::unique_ptr<CalcMenu> m_menu;
    Worksheet& m_sheet;
    Dialogs& m_dialogs;
    std::function<void(QWidget*)> m_print;
    std::array<QLabel*, kMostCalcInputs + 1> m_captions{};
    std::array<QLineEdit*, kMostCalcInputs + 1> m_boxes{};
    std::array<QComboBox*, kMostCalcInputs + 1> m_lists{};
    std::array<QLabel*, kMostCalcOutputs + 1> m_outputNames{};
    std::array<QLabel*, kMostCalcOutputs + 1> m_outputValues{};
    QGroupBox* m_noteFrame = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_footer = nullptr;
    QPushButton* m_use = nullptr;
    std::string m_previousText;
    ClosesOnFocusLoss* m_closer = nullptr;
    bool m_busy = false;
};

}  // namespace gyrant
