#pragma once

// "Where the Weight Goes": each rotating part's Eq. Wt in both vehicles in the gear studied, with
// the plain answer, and the vehicles in every gear of a transmission. It follows every change of
// the worksheet, and both vehicles on the strip over those gears.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

#include "analysis/bar_chart.h"
#include "analysis/every_gear.h"
#include "analysis/strip_tab.h"
#include "calc/transmissions.h"
#include "model/worksheet.h"
#include "ports/dialogs.h"

namespace gyrant {

class WeightWindow : public QWidget {
    Q_OBJECT

  public:
    // Warns of an input of the run outside its limits through `dialogs`.
    WeightWindow(const Worksheet& sheet, Dialogs& dialogs, QWidget* parent);

    // Shows the worksheet as it is now; a hidden window waits until it shows again.
    void Refresh();

    QLabel* Answer() { return m_answer; }
    QPushButton* SetProposedWeight() { return m_setProposedWeight; }
    QTableWidget* PartsTable() { return m_parts; }
    BarChart* PartsChart() { return m_partsChart; }
    QComboBox* Transmissions() { return m_transmissionList; }
    QLineEdit* Ratios() { return m_ratios; }
    QTableWidget* GearsTable() { return m_gears; }
    QTabWidget* Tabs() { return m_tabs; }
    StripTab* Strip() { return m_strip; }
    // The gears the second tab shows now, as a print lists them.
    const std::vector<GearFigures>& ShownGears() const { return m_shownGears; }

  signals:
    // The user asked to print it, with its button or the print keys.
    void printClicked();
    // The user asked to keep the Vehicle Weight the answer took the Proposed car as.
    void proposedWeightChosen(const std::string& weight);
    // The user typed an input of the run to keep with the worksheet (empty: the default).
    void runEntryKept(const std::string& key, const std::string& text);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildStudiedTab();
    QWidget* BuildGearsTab();
    void ShowShares();
    void ShowGears();
    void PickTransmission(int index);
    // The help on the tab shown.
    void ShowHelp();

    const Worksheet& m_sheet;
    QLabel* m_answer = nullptr;
    QLabel* m_option = nullptr;
    QPushButton* m_setProposedWeight = nullptr;
    std::string m_proposedWeight;
    QTableWidget* m_parts = nullptr;
    BarChart* m_partsChart = nullptr;
    QComboBox* m_transmissionList = nullptr;
    QLineEdit* m_ratios = nullptr;
    QLabel* m_ratiosNote = nullptr;
    QTableWidget* m_gears = nullptr;
    BarChart* m_gearsChart = nullptr;
    std::vector<Transmission> m_transmissions;
    std::vector<GearFigures> m_shownGears;
    std::vector<double> m_shownRatios;
    QTabWidget* m_tabs = nullptr;
    StripTab* m_strip = nullptr;
};

}  // namespace gyrant
