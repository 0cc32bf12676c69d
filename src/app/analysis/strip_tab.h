#pragma once

// "On the Strip": the run's inputs, the time slips of both vehicles side by side, speed against
// time, the engine's curve and the seconds each part buys. It shows the worksheet's run over the
// gears the every-gear tab shows, and follows the user's typing before an entry is kept.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "analysis/bar_chart.h"
#include "analysis/line_chart.h"
#include "model/worksheet.h"
#include "ports/dialogs.h"
#include "timeslip/strip_run.h"

namespace gyrant {

class StripTab : public QWidget {
    Q_OBJECT

  public:
    StripTab(const Worksheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the worksheet's run, and its entries, over these gears.
    void Show(const std::vector<double>& ratios);

    QLineEdit* Entry(const std::string& key) { return m_entries.at(key); }
    QTableWidget* SlipTable() { return m_slips; }
    QLabel* Difference() { return m_difference; }
    QLabel* Message() { return m_message; }
    QTableWidget* PartsTable() { return m_parts; }
    QLabel* PartsSum() { return m_partsSum; }
    LineChart* SpeedChart() { return m_speedChart; }
    QPushButton* HelpButton() { return m_help; }
    // The run the tab shows now.
    const StripRun& ShownRun() const { return m_run; }

  signals:
    // An entry typed and checked, to be kept with the worksheet (an empty text removes it).
    void entryKept(const std::string& key, const std::string& text);
    void helpClicked();

  private:
    QWidget* BuildInputs();
    QWidget* BuildSlips();
    QWidget* BuildCharts();
    QWidget* BuildParts();
    // The entries the worksheet keeps with the one being typed over them, when it is good.
    RunEntries EntriesTyped(const std::string& key) const;
    void FinishEntry(const std::string& key);
    void ShowEntries();
    void ShowRun(const RunEntries& entries);
    void ShowSlips();
    void ShowParts();

    const Worksheet& m_sheet;
    Dialogs& m_dialogs;
    std::vector<double> m_ratios;
    StripRun m_run;
    std::map<std::string, QLineEdit*> m_entries;
    std::string m_typing;  // the entry typed in and not yet finished
    bool m_warning = false;
    QLabel* m_message = nullptr;
    QWidget* m_results = nullptr;
    QTableWidget* m_slips = nullptr;
    QLabel* m_gearsNote = nullptr;
    QLabel* m_difference = nullptr;
    QLabel* m_estimate = nullptr;
    LineChart* m_speedChart = nullptr;
    LineChart* m_torqueChart = nullptr;
    QWidget* m_partsBox = nullptr;
    QTableWidget* m_parts = nullptr;
    BarChart* m_partsChart = nullptr;
    QLabel* m_partsSum = nullptr;
    QPushButton* m_help = nullptr;
};

}  // namespace gyrant
