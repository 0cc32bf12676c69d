#include "editor/edit_strip.h"

namespace gyrant {

bool HasList(int field) {
    return !HasTextBox(field) || field == kColValue;
}

bool HasTextBox(int field) {
    return field != kRowSelector && field != kColMaterial && field != kColUnits;
}

bool IsReadOnly(int field) {
    return field == kColDescription || field >= kColInertia;
}

EditStrip::EditStrip() {
    OfferRows({1}, 1);
    for (int field = 0; field < kStripFields; ++field) Field(field).showsList = !HasTextBox(field);
    Field(kColUnits).items = {"Lbs", "Gms"};
    Field(kColDescription).enabled = false;
}

int EditStrip::RowAt(int position) const {
    const std::vector<std::string>& rows = Field(kRowSelector).items;
    bool offered = position >= 0 && static_cast<std::size_t>(position) < rows.size();
    return offered ? std::stoi(rows[static_cast<std::size_t>(position)]) : 1;
}

int EditStrip::PositionTyped(const std::string& typed) const {
    const std::vector<std::string>& rows = Field(kRowSelector).items;
    for (std::size_t position = 0; position < rows.size(); ++position)
        if (!typed.empty() && rows[position].starts_with(typed)) return static_cast<int>(position);
    return -1;
}

void EditStrip::OfferRows(const std::vector<int>& rows, int selected) {
    StripField& selector = Field(kRowSelector);
    selector.items.clear();
    selector.listIndex = -1;
    for (int row : rows) {
        if (row == selected) selector.listIndex = static_cast<int>(selector.items.size());
        selector.items.push_back(std::to_string(row));
    }
}

bool EditStrip::IsList(int field) const {
    return Field(field).showsList;
}

std::string EditStrip::Text(int field) const {
    const StripField& f = Field(field);
    if (!f.showsList) return f.text;
    bool chosen = f.listIndex >= 0 && static_cast<std::size_t>(f.listIndex) < f.items.size();
    return chosen ? f.items[static_cast<std::size_t>(f.listIndex)] : std::string{};
}

void EditStrip::SetText(int field, const std::string& text) {
    Field(field).text = text;
}

int EditStrip::ListIndex(int field) const {
    return Field(field).listIndex;
}

void EditStrip::SetListIndex(int field, int index) {
    Field(field).listIndex = index;
}

void EditStrip::SetEnabled(int field, bool enabled) {
    Field(field).enabled = enabled;
}

}  // namespace gyrant
