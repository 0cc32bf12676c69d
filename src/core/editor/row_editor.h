#pragma once

// What the user does in the editing strip and the tables: choosing a row, typing, keeping the
// change, refreshing, copying the Baseline down. The window forwards each action here and
// draws the strip and the tables afterwards.

#include <functional>

#include "editor/edit_strip.h"
#include "model/spec_rows.h"
#include "model/worksheet.h"
#include "ports/dialogs.h"
#include "ports/row_in_edit.h"

namespace gyrant {

// The row to scroll to the top of a table to bring a row into view.
int ScrollTopFor(int row);

class RowEditor : public RowInEdit {
  public:
    RowEditor(Worksheet& sheet, Dialogs& dialogs);
    RowEditor(const RowEditor&) = delete;
    RowEditor& operator=(const RowEditor&) = delete;

    EditStrip& Strip() { return m_strip; }
    const EditStrip& Strip() const { return m_strip; }

    // Loads a row of the current table into the strip, as picking it in the row selector does.
    void SelectRow(int row);
    // A click on row `row` of table `table`: the nearest row above that takes input is loaded.
    void TableClick(int table, int row) override;
    // The row an arrow key moves a table's current row to (`step` -1 up, 1 down), passing over
    // rows that take no input; 0 when the strip already shows the row it would reach.
    int StepRow(int table, int step) const;
    // Loads the row the row selector points at into the strip.
    void EditRow();
    // A choice made in the Value, Material or Units list: the strip's results are refreshed.
    void ListClick(int field, int index);
    // Writes the strip into the table row and recalculates both vehicles; false when the user
    // cancelled a question it asked, and nothing was written.
    bool KeepChange();
    // Types `value` into a number row of a table and keeps it as "Keep Change" does, after the
    // question about an input the strip holds; false when that was cancelled or the value is
    // refused, and nothing was written.
    bool KeepValue(int table, int row, const std::string& value);
    // Recalculates both vehicles; nothing counts as changed.
    void Refresh();
    // Copies the Baseline vehicle into the Proposed vehicle after asking (first about an input
    // the strip holds); the strip then shows its row as the table has it.
    void CopyDown();
    // Before the strip leaves its row (a click, the row selector, Open, Exit): when it holds an
    // input that the row in the table does not, asks whether to keep it. Yes keeps it as "Keep
    // Change" does, No drops it; false after Cancel or a refused entry: the strip stays.
    bool ConfirmLeavingRow() override;
    // True when a field that takes input differs from the row as it was loaded or kept.
    bool HoldsUnkeptInput() const;
    // The strip's Weight, Inertia and Eq. Wt for its own fields, after a layout pass, and which
    // fields take input; after a sub-menu wrote into the strip.
    void RefreshStripResults();
    // The calculation sub-menu the "Calc" button opens for the row in the strip.
    int CalcMenuKind();

    // A strip text box gets or loses the keyboard focus. Leaving checks the entry against the
    // row it was typed on; false when it was refused and the box should get the focus back. A
    // box left after the strip moved to another row has nothing to check: its entry was checked
    // before the row changed. A refused entry is drawn as it was read while its warning shows,
    // then the box has its previous text back.
    void EnterTextBox(int field);
    bool LeaveTextBox(int field);
    // Draws the strip as the model now holds it; called before a warning about its entries.
    void SetStripDrawer(std::function<void()> draw) { m_drawStrip = std::move(draw); }

  private:
    // Makes the row selector's row the current row of the current table.
    int SelectStripRow();
    void LoadChoiceRow(int row);
    void LoadComponentRow(int row);
    void LoadNumericRow(int row);
    void ShowFieldsForKind(int kind);
    void PlaceCalcButton(int row);
    // The row selector offers the rows of the current table that take input, and `row`.
    void FillRowSelector(int row);
    void ShowStripResults();
    void KeepComponentRow(int row);
    // Checks every text box that takes input as leaving it does; false after a refused entry.
    bool AcceptsEveryEntry();
    // Checks one text box's entry against the strip's row; false when it was refused.
    bool CheckEntry(int field);
    // True while the strip still shows the row and table the box the user is in was entered on.
    bool InEnteredRow() const;

    // The text box the user is in (-1 for none) and the row and table its entry belongs to.
    struct EnteredBox {
        int field = -1;
        int table = kBaseline;
        int row = kVehicleWeightRow;
    };

    Worksheet& m_sheet;
    Dialogs& m_dialogs;
    EditStrip m_strip;
    // The strip as it was last loaded from the table.
    EditStrip m_loaded;
    EnteredBox m_entered;
    std::function<void()> m_drawStrip;
};

}  // namespace gyrant
