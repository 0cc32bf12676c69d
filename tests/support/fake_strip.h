#pragma once

// An editing strip without a window: field texts, list positions and enabled states in maps.

#include <map>
#include <string>

#include "model/strip_fields.h"

namespace gyrant::testing {

class FakeStrip : public StripFields {
  public:
    std::string Text(int field) const override {
        return texts.contains(field) ? texts.at(field) : "";
    }
    void SetText(int field, const std::string& text) override { texts[field] = text; }
    int ListIndex(int field) const override {
        return listIndexes.contains(field) ? listIndexes.at(field) : -1;
    }
    void SetEnabled(int field, bool isEnabled) override { enabled[field] = isEnabled; }

    std::map<int, std::string> texts;
    std::map<int, int> listIndexes;
    std::map<int, bool> enabled;
};

}  // namespace gyrant::testing
