#pragma once

// The editing strip above the tables as a model: one field per table column (0 the row
// selector, 1 the description, 2 the Value, 3 to 12 as the columns), each with its text, its
// list, whether it is shown and enabled; the help line and the "Calc" button. The window
// draws it and reports what the user does.

#include <array>
#include <string>
#include <vector>

#include "model/spec_table.h"
#include "model/strip_fields.h"

namespace gyrant {

inline constexpr int kStripFields = kProposedColumns;
inline constexpr int kRowSelector = 0;

// The controls a field has on screen: the row selector, Material and Units are lists only, the
// Value is a text box or a list by the kind of row, every other field a text box.
bool HasList(int field);
bool HasTextBox(int field);
// The text boxes that only show what the table or the calculations put there.
bool IsReadOnly(int field);

struct StripField {
    std::string text;                // the text box's text
    std::vector<std::string> items;  // the list's items, for fields that have a list
    int listIndex = -1;              // the chosen item, -1 for none
    bool shown = true;
    bool enabled = true;
    bool showsList = false;  // the field shows its list instead of a text box
};

class EditStrip : public StripFields {
  public:
    EditStrip();

    StripField& Field(int field) { return m_fields.at(static_cast<std::size_t>(field)); }
    const StripField& Field(int field) const {
        return m_fields.at(static_cast<std::size_t>(field));
    }

    // A list field's chosen item, or a text field's text.
    std::string Text(int field) const override;
    void SetText(int field, const std::string& text) override;
    int ListIndex(int field) const override;
    void SetListIndex(int field, int index) override;
    void SetEnabled(int field, bool enabled) override;
    TableRow ShownRow() const override { return shownRow; }

    // The row the row selector points at; row 1 when it points at none.
    int SelectedRow() const { return RowAt(Field(kRowSelector).listIndex); }
    // The row the row selector offers at a position of its list.
    int RowAt(int position) const;
    // The position of the first offered row whose number starts with the digits typed into the
    // row selector; -1 when none does.
    int PositionTyped(const std::string& typed) const;
    // The row selector offers these rows (their numbers) and points at `selected`.
    void OfferRows(const std::vector<int>& rows, int selected);

    // True for the fields shown as lists: the row selector, Material, Units, and the Value on
    // choice rows.
    bool IsList(int field) const;

    std::string helpLine;
    // The vehicle whose row the strip edits, shown beside the row number.
    std::string vehicle = "Baseline";
    // The row last loaded into the strip, which every input it holds belongs to.
    TableRow shownRow;
    bool calcShown = false;
    int calcLeftTwips = 0;
    // The field that should have the keyboard focus after the last step.
    int focusField = 2;
    // The text a text box had when it got the focus; restored when an entry is refused.
    std::string PrevSpecText;

  private:
    std::array<StripField, kStripFields> m_fields;
};

}  // namespace gyrant
