#include "editor/edit_strip.h"

namespace gyrant {

EditStrip::EditStrip() {
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row)
        Field(kRowSelector).items.push_back(std::to_string(row));
    Field(kRowSelector).listIndex = 0;
    Field(kRowSelector).showsList = true;
    Field(kColMaterial).showsList = true;
    Field(kColUnits).showsList = true;
    Field(kColUnits).items = {"Lbs", "Gms"};
    Field(kColDescription).enabled = false;
}

bool EditStrip::IsList(int field) const { return Field(field).showsList; }

std::string EditStrip::Text(int field) const {
    const StripField& f = Field(field);
    if (!f.showsList) return f.text;
    bool chosen = f.listIndex >= 0 && static_cast<std::size_t>(f.listIndex) < f.items.size();
    return chosen ? f.items[static_cast<std::size_t>(f.listIndex)] : std::string{};
}

void EditStrip::SetText(int field, const std::string& text) { Field(field).text = text; }

int EditStrip::ListIndex(int field) const { return Field(field).listIndex; }

void EditStrip::SetEnabled(int field, bool enabled) { Field(field).enabled = enabled; }

}  // namespace gyrant
