#include "calc/calc_layout.h"

#include <algorithm>

#include "model/row_definitions.h"

namespace gyrant {
namespace {

constexpr int kRowHeight = 285;
constexpr int kWidth = 4200;
constexpr int kFieldLeft = 2900;
constexpr int kFieldWidth = 800;

void LayOutInputs(const MenuDefinition& d, CalcLayout& layout) {
    int outputs = static_cast<int>(d.outputs.size());
    for (std::size_t i = 0; i < d.inputs.size(); ++i) {
        const CalcInputDefinition& input = d.inputs[i];
        int k = static_cast<int>(i) + 1;
        int top = 240 * outputs + 400 + 360 * k + 540 * (input.group - 1);
        bool shortList = input.choice && !input.choices.empty() && input.choices.front() == "Yes";
        int captionWidth = input.choice && !shortList ? 1575 : 2550;
        layout.inputCaptions[static_cast<std::size_t>(k)] = {240, top, captionWidth, kRowHeight};
        int fieldLeft = input.choice && !shortList ? 240 + captionWidth + 60 : kFieldLeft;
        int fieldWidth =
            input.choice && !shortList ? kFieldLeft + kFieldWidth - fieldLeft : kFieldWidth;
        layout.inputFields[static_cast<std::size_t>(k)] = {fieldLeft, top, fieldWidth, kRowHeight};
    }
}

void LayOutGroups(const MenuDefinition& d, CalcLayout& layout) {
    int outputs = static_cast<int>(d.outputs.size());
    int first = static_cast<int>(
        std::count_if(d.inputs.begin(), d.inputs.end(), [](auto& i) { return i.group == 1; }));
    int second = static_cast<int>(d.inputs.size()) - first;
    layout.groups[1] = {120, 240 * outputs + 400, kWidth - 240, 360 * first + 400};
    if (d.groupCaptions.size() > 1)
        layout.groups[2] = {120, 360 * first + 1000 + 200 * outputs, kWidth - 240,
                            360 * second + 400};
}

// The kinds' own placements of their lists.
void PlaceKindLists(int kind, CalcLayout& layout) {
    auto& captions = layout.inputCaptions;
    auto& fields = layout.inputFields;
    // A list moved left takes the room its caption does not need.
    auto listAt = [&](int k, int left, int width) {
        auto index = static_cast<std::size_t>(k);
        fields[index].left = left, fields[index].width = width;
        captions[index].width = std::min(captions[index].width, left - captions[index].left - 60);
    };
    switch (kind) {
        case kFinalDriveCalc:
        case kPrimaryReductionCalc:
            captions[1].width = 650;
            listAt(1, 950, 2700);
            break;
        case kTireSizeCalc:
            listAt(1, 1600, 2130);
            fields[9].left += 800, fields[9].width -= 800, captions[9].width += 800;
            break;
        case kVehicleWeightCalc:
            for (int k = 2; k <= 6; ++k) listAt(k, fields[1].left, fields[1].width);
            break;
        case kTransmissionCalc:
            listAt(1, 1100, 2600);
            captions[1].width = 800;
            break;
        case kDomeVolumeCalc:
            listAt(3, fields[3].left - 300, fields[3].width + 300);
            break;
        default:
            break;
    }
}

// The engine calculations' windows are taller than their definition makes them.
int ExtraHeight(int kind) {
    switch (kind) {
        case kDeckHeightCalc:
        case kDeckClearanceCalc:
            return 200;
        case kDomeVolumeCalc:
            return 300;
        default:
            return 0;
    }
}

}  // namespace

CalcLayout LayOutCalcMenu(const MenuDefinition& d, int calcMenuKind) {
    CalcLayout layout;
    layout.width = kWidth;
    for (std::size_t i = 0; i < d.outputs.size(); ++i) {
        int top = 120 + 290 * static_cast<int>(i);
        layout.outputCaptions[i + 1] = {120, top, 2775, kRowHeight};
        layout.outputValues[i + 1] = {3060, top, 780, kRowHeight};
    }
    LayOutInputs(d, layout);
    LayOutGroups(d, layout);
    PlaceKindLists(calcMenuKind, layout);
    int lowest = d.lowestInput >= 1 && d.lowestInput <= kMostCalcInputs
                     ? d.lowestInput
                     : static_cast<int>(d.inputs.size());
    int lowestTop = layout.inputFields[static_cast<std::size_t>(lowest)].top;
    if (d.hasNote || calcMenuKind == kVehicleWeightCalc) {
        int lines = std::max(d.noteLines, 1);
        layout.height = lowestTop + 1500 + 1200 + 160 * (lines - 3);
        layout.note = {120, layout.height - 2200, kWidth - 240, 240 * lines + 370};
        layout.buttonsTop = layout.note.Bottom() + 140;
    } else {
        layout.height = lowestTop + 1500;
        layout.buttonsTop = lowestTop + kRowHeight + 240;
    }
    if (d.outputs.size() > 1) layout.height += 160;
    layout.height += ExtraHeight(calcMenuKind);
    return layout;
}

}  // namespace gyrant
