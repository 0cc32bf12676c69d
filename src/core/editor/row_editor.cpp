#include "editor/row_editor.h"

#include <optional>

#include "editor/displacement_entry.h"
#include "editor/validation.h"
#include "engine/layout.h"
#include "engine/ratios.h"
#include "engine/ring_inertia.h"
#include "engine/update_table.h"
#include "model/choice_lists.h"
#include "model/spec_rows.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

// The position a choice cell was kept at, -1 when none: the last character, as kept cells end
// in their position; a cell kept without a choice ends in "-1" and has none.
int KeptPosition(const std::string& cell, std::size_t itemCount) {
    if (TrimBlanks(cell).ends_with("-1")) return -1;
    int position = ChoiceLastCharacter(cell);
    return position < static_cast<int>(itemCount) ? position : -1;
}

// Whether a strip entry says what it said when loaded; leaving a box writes a number in its own
// form ("3.730" becomes "3.73"), which changes nothing.
bool SameEntry(const StripField& now, const StripField& loaded) {
    if (now.listIndex != loaded.listIndex) return false;
    if (now.text == loaded.text) return true;
    return !IsBlank(now.text) && !IsBlank(loaded.text) &&
           NumericValue(now.text) == NumericValue(loaded.text);
}

// The first list item the cell's text contains; `fallback` when none.
int ContainedItem(const std::string& cell, const std::vector<std::string>& items, int fallback) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (Contains(cell, items[i])) return static_cast<int>(i);
    return fallback;
}

}  // namespace

int ScrollTopFor(int row) {
    return row > kRingGearRow ? kRingGearRow : row;
}

RowEditor::RowEditor(Worksheet& sheet, Dialogs& dialogs) : m_sheet(sheet), m_dialogs(dialogs) {}

void RowEditor::TableClick(int table, int row) {
    m_sheet.view.CurrentTable = table;
    const SpecTable& t = m_sheet.Table(table);
    if (row <= 0 || row > kLastSelectableRow) row = kVehicleWeightRow;
    while (row > kVehicleWeightRow && !t.IsSelectable(row)) --row;
    SelectRow(row);
}

int RowEditor::StepRow(int table, int step) const {
    const SpecTable& t = m_sheet.Table(table);
    int row = t.CurrentRow();
    for (int next = row + step; next >= kFirstSpecRow && next <= kLastSelectableRow; next += step)
        if (t.IsSelectable(next)) return next;
    bool shown = table == m_sheet.view.CurrentTable && row == m_strip.SelectedRow();
    return shown ? 0 : row;
}

void RowEditor::SelectRow(int row) {
    FillRowSelector(row);
    EditRow();
}

void RowEditor::FillRowSelector(int row) {
    const SpecTable& table = m_sheet.Table(m_sheet.view.CurrentTable);
    std::vector<int> rows;
    for (int r = kFirstSpecRow; r <= kLastSelectableRow; ++r)
        if (table.IsSelectable(r) || r == row) rows.push_back(r);
    m_strip.OfferRows(rows, row);
}

int RowEditor::SelectStripRow() {
    int row = m_strip.SelectedRow();
    m_sheet.view.CurrentRow = row;
    m_sheet.Table(m_sheet.view.CurrentTable).SetCurrentRow(row);
    return row;
}

void RowEditor::EditRow() {
    int row = SelectStripRow();
    // The layout may have shown or hidden rows since the selector was filled.
    FillRowSelector(row);
    const SpecTable& table = m_sheet.Table(m_sheet.view.CurrentTable);
    m_strip.Field(kColDescription).text = table.Text(row, kColDescription);
    m_strip.vehicle = VehicleName(m_sheet.view.CurrentTable);
    m_strip.shownRow = {m_sheet.view.CurrentTable, row};
    m_strip.helpLine = "Help:  " + m_sheet.setup.Rows.RowHelp[row] + "  " +
                       m_sheet.RatioNote(m_sheet.view.CurrentTable);
    int kind = m_sheet.setup.Rows.RowKind[row];
    ShowFieldsForKind(kind);
    StripField& value = m_strip.Field(kColValue);
    value.items = kind == kComponentRow ? std::vector<std::string>{} : ValueChoices(row);
    value.listIndex = -1;
    StripField& material = m_strip.Field(kColMaterial);
    material.items = MaterialChoices(row);
    PlaceCalcButton(row);
    if (kind == kChoiceRow)
        LoadChoiceRow(row);
    else if (kind == kComponentRow)
        LoadComponentRow(row);
    else
        LoadNumericRow(row);
    m_loaded = m_strip;
}

bool RowEditor::HoldsUnkeptInput() const {
    for (int field = kColValue; field <= kColUnits; ++field) {
        const StripField& now = m_strip.Field(field);
        // Hidden fields and computed ones (a disabled Weight) hold no input.
        if (!now.shown || !now.enabled) continue;
        if (!SameEntry(now, m_loaded.Field(field))) return true;
    }
    return false;
}

bool RowEditor::ConfirmLeavingRow() {
    // The box the user is in is checked against its own row while the strip still shows it.
    if (m_entered.field >= 0 && InEnteredRow() && !CheckEntry(m_entered.field)) return false;
    if (!HoldsUnkeptInput()) return true;
    std::string description(TrimBlanks(m_strip.Field(kColDescription).text));
    Answer answer =
        m_dialogs.ShowMessage({"Keep the change to " + description + "?", "Keep Change?",
                               Buttons::YesNoCancel, Icon::Question, Answer::Cancel});
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::No) {
        EditRow();
        return true;
    }
    return AcceptsEveryEntry() && KeepChange();
}

bool RowEditor::AcceptsEveryEntry() {
    for (int field = kColValue; field <= kColWeight; ++field) {
        const StripField& f = m_strip.Field(field);
        if (f.shown && f.enabled && !f.showsList && !CheckEntry(field)) return false;
    }
    return true;
}

void RowEditor::ShowFieldsForKind(int kind) {
    m_strip.Field(kColImprovement).shown = false;
    m_strip.Field(kColPercentTotal).shown = false;
    for (int field = kColValue; field <= kColEqWt; ++field)
        m_strip.Field(field).shown = kind == kComponentRow || field == kColValue;
    StripField& value = m_strip.Field(kColValue);
    value.enabled = kind != kComponentRow;
    value.showsList = kind == kChoiceRow;
}

void RowEditor::PlaceCalcButton(int row) {
    int calcKind = m_sheet.setup.Rows.RowCalcKind[row];
    m_strip.calcShown = calcKind != kNoCalc;
    bool besideDimensions = row == kDriveshaftRow || row == kRingGearRow || IsTireRow(row) ||
                            row == kFrontBrakeRow || row == kRearBrakeRow;
    m_strip.calcLeftTwips = besideDimensions ? 9860 : 3360;
}

void RowEditor::LoadChoiceRow(int row) {
    const std::string& cell = m_sheet.Table(m_sheet.view.CurrentTable).Text(row, kColValue);
    StripField& value = m_strip.Field(kColValue);
    if (!cell.empty()) value.listIndex = KeptPosition(cell, value.items.size());
    m_strip.focusField = kColValue;
}

void RowEditor::LoadComponentRow(int row) {
    const SpecTable& table = m_sheet.Table(m_sheet.view.CurrentTable);
    StripField& id = m_strip.Field(kColID);
    id.shown = !IsWheelRow(row);
    for (int field = kColValue; field <= kColEqWt; ++field) {
        StripField& f = m_strip.Field(field);
        const std::string& cell = table.Text(row, field);
        if (field == kColMaterial)
            f.listIndex = ContainedItem(cell, f.items, 1);
        else if (field == kColUnits)
            f.listIndex = ContainedItem(cell, f.items, 0);
        else
            f.text = cell;
    }
    if (IsWheelRow(row)) id.text.clear();
    m_strip.focusField = kColOD;
    ShowStripResults();
}

void RowEditor::LoadNumericRow(int row) {
    const SpecTable& table = m_sheet.Table(m_sheet.view.CurrentTable);
    m_strip.Field(kColValue).text = table.Text(row, kColValue);
    if (IsEngineWeightRow(row)) {
        StripField& units = m_strip.Field(kColUnits);
        units.shown = true;
        units.listIndex = ContainedItem(table.Text(row, kColUnits), units.items, 0);
    }
    m_strip.focusField = kColValue;
}

void RowEditor::RefreshStripResults() {
    RefreshLayout(m_sheet);
    ShowStripResults();
}

void RowEditor::ShowStripResults() {
    int row = m_sheet.view.CurrentRow = m_strip.SelectedRow();
    if (m_sheet.setup.Rows.RowKind[row] != kComponentRow) return;
    GetRatios(m_sheet, m_sheet.view.CurrentTable, &m_strip);
    RunningTotals ignored;
    // The row's own calculation, so the strip shows what the table will.
    CalcRingInertia(m_sheet, m_strip, m_sheet.view.CurrentTable, row, ignored);
}

void RowEditor::ListClick(int field, int index) {
    m_strip.Field(field).listIndex = index;
    RefreshStripResults();
}

bool RowEditor::KeepChange() {
    int row = SelectStripRow();
    SpecTable& table = m_sheet.Table(m_sheet.view.CurrentTable);
    int kind = m_sheet.setup.Rows.RowKind[row];
    if (kind == kChoiceRow) {
        const StripField& value = m_strip.Field(kColValue);
        table.SetText(row, kColValue,
                      ComposeChoice(m_strip.Text(kColValue), kValueChoicePadding, value.listIndex));
    } else if (kind == kComponentRow) {
        KeepComponentRow(row);
    } else {
        // A cancelled cylinder question cancels the change; the strip keeps the entry.
        if (row == kDisplacementRow &&
            !EnterDisplacement(m_sheet, m_dialogs, NumericValue(m_strip.Text(kColValue))))
            return false;
        if (IsEngineWeightRow(row))
            table.SetText(row, kColUnits,
                          ComposeChoice(m_strip.Text(kColUnits), kValueChoicePadding,
                                        m_strip.ListIndex(kColUnits)));
        table.SetText(row, kColValue, m_strip.Text(kColValue));
    }
    Recalculate(m_sheet);
    m_sheet.file.SpecsChanged = 1;
    // The strip shows the row as the table now has it.
    EditRow();
    return true;
}

void RowEditor::KeepComponentRow(int row) {
    SpecTable& table = m_sheet.Table(m_sheet.view.CurrentTable);
    if (IsWheelRow(row)) {
        m_strip.Field(kColID).text.clear();
        std::string od(TrimBlanks(m_strip.Field(kColOD).text));
        if (!od.empty()) table.SetText(row + 1, kColID, od);  // its tire
    }
    if (IsTireRow(row)) {
        std::string id(TrimBlanks(m_strip.Field(kColID).text));
        if (!id.empty()) table.SetText(row - 1, kColOD, id);  // its wheel
    }
    for (int field = kColValue; field <= kColPercentTotal; ++field) {
        bool list = field == kColMaterial || field == kColUnits;
        table.SetText(
            row, field,
            list ? ComposeChoice(m_strip.Text(field), kPartChoicePadding, m_strip.ListIndex(field))
                 : m_strip.Text(field));
    }
}

bool RowEditor::KeepValue(int table, int row, const std::string& value) {
    if (!ConfirmLeavingRow()) return false;
    TableClick(table, row);
    m_strip.SetText(kColValue, value);
    if (CheckEntry(kColValue)) return KeepChange();
    EditRow();
    return false;
}

void RowEditor::Refresh() {
    Recalculate(m_sheet);
}

void RowEditor::CopyDown() {
    if (!ConfirmLeavingRow()) return;
    const std::string title = "Copy to Bottom Spread Sheet?";
    Answer answer =
        m_dialogs.ShowMessage({"Do you want to copy all specs from the top spread sheet down to "
                               "the bottom spread sheet?  "
                               "This will erase all entries in the bottom spread sheet.",
                               title, Buttons::YesNo, Icon::Question, Answer::No});
    if (answer != Answer::Yes) return;
    if (m_sheet.document.TwoVehicles == 0) {
        m_sheet.document.TwoVehicles = 1;
        m_dialogs.ShowMessage(
            {"A second 'spreadsheet', for a comparison vehicle will now be displayed.", title,
             Buttons::Ok, Icon::None, Answer::Ok});
    }
    const SpecTable& baseline = m_sheet.Table(kBaseline);
    SpecTable& proposed = m_sheet.Table(kProposed);
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row)
        for (int column = kColDescription; column <= kColPercentTotal; ++column)
            proposed.SetText(row, column, baseline.Text(row, column));
    Recalculate(m_sheet);
    EditRow();
}

int RowEditor::CalcMenuKind() {
    m_sheet.view.CurrentRow = m_strip.SelectedRow();
    return m_sheet.setup.Rows.RowCalcKind[m_sheet.view.CurrentRow];
}

void RowEditor::EnterTextBox(int field) {
    m_strip.PrevSpecText = m_strip.Field(field).text;
    m_entered = {field, m_sheet.view.CurrentTable, m_strip.SelectedRow()};
}

bool RowEditor::InEnteredRow() const {
    return m_entered.table == m_sheet.view.CurrentTable && m_entered.row == m_strip.SelectedRow();
}

bool RowEditor::LeaveTextBox(int field) {
    bool typedHere = m_entered.field == field && InEnteredRow();
    m_entered.field = -1;
    return !typedHere || CheckEntry(field);
}

bool RowEditor::CheckEntry(int field) {
    // A box that a new row hid or disabled has no entry of that row to check.
    const StripField& box = m_strip.Field(field);
    if (!box.shown || !box.enabled) return true;
    m_sheet.view.CurrentRow = m_strip.SelectedRow();
    std::optional<std::string> warning =
        ValidateEntry(m_sheet.setup.Rows, m_sheet.view.CurrentRow, m_strip, field);
    if (warning) {
        if (m_drawStrip) m_drawStrip();
        m_dialogs.ShowMessage({*warning, "Warning", Buttons::Ok, Icon::Exclamation, Answer::Ok});
        m_strip.Field(field).text = m_strip.PrevSpecText;
    }
    RefreshStripResults();
    return !warning;
}

}  // namespace gyrant
