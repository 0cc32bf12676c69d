#pragma once

// Where each control of a calculation sub-menu window sits, in twips: outputs at the top, the
// inputs in their group frames, the note below them and the buttons at the bottom.

#include <array>

#include "calc/menu_definition.h"

namespace gyrant {

struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool Overlaps(const TwipsRect& other) const {
        return left < other.Right() && other.left < Right() && top < other.Bottom() &&
               other.top < Bottom();
    }
};

struct CalcLayout {
    int width = 0;
    int height = 0;
    std::array<TwipsRect, kMostCalcOutputs + 1> outputCaptions{}, outputValues{};
    std::array<TwipsRect, kMostCalcInputs + 1> inputCaptions{}, inputFields{};
    std::array<TwipsRect, 3> groups{};
    TwipsRect note;
    int buttonsTop = 0;
};

// Lays out a sub-menu of a kind from its definition, with the kind's own list placements.
CalcLayout LayOutCalcMenu(const MenuDefinition& definition, int calcMenuKind);

}  // namespace gyrant
