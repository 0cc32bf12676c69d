#include "calc/calc_layout.h"

#include <algorithm>

#include "calc/calc_slots.h"
#include "model/row_definitions.h"

namespace gyrant {
namespace {

constexpr int kRowHeight = 285;
constexpr int kWidth = 4200;
// The margin of the outputs, the group frames and the note, and the frames' width inside it.
constexpr int kMargin = 120;
constexpr int kFrameWidth = kWidth - 2 * kMargin;
constexpr int kOutputStep = 290;
constexpr int kOutputCaptionWidth = 2775;
constexpr int kOutputLeft = 3060;
constexpr int kOutputWidth = 780;
// The inputs start below the outputs, each output pushing them down by its own allowance.
constexpr int kInputsTop = 400;
constexpr int kInputsTopPerOutput = 240;
constexpr int kInputStep = 360;
constexpr int kGroupGap = 540;
constexpr int kSecondGroupTop = 1000;
constexpr int kSecondGroupTopPerOutput = 200;
constexpr int kGroupPadding = 400;
constexpr int kCaptionLeft = 240;
constexpr int kCaptionWidth = 2550;
// A list's caption is narrower: the list takes the room up to the fields' right edge.
constexpr int kListCaptionWidth = 1575;
constexpr int kCaptionGap = 60;
constexpr int kFieldLeft = 2900;
constexpr int kFieldWidth = 800;
// The room under the lowest input for the buttons, and a note's room with its line height.
constexpr int kButtonsRoom = 1500;
constexpr int kButtonsGap = 240;
constexpr int kNoteRoom = 1200;
constexpr int kNoteTopFromBottom = 2200;
constexpr int kNoteLineHeight = 240;
constexpr int kNotePadding = 370;
constexpr int kNoteLinesWithin = 3;  // a note of more lines makes the window taller
constexpr int kNoteExtraLineHeight = 160;
constexpr int kNoteButtonsGap = 140;
constexpr int kMoreOutputsHeight = 160;

void LayOutInputs(const MenuDefinition& d, CalcLayout& layout) {
    int outputs = static_cast<int>(d.outputs.size());
    for (std::size_t i = 0; i < d.inputs.size(); ++i) {
        const CalcInputDefinition& input = d.inputs[i];
        int k = static_cast<int>(i) + 1;
        int top = kInputsTopPerOutput * outputs + kInputsTop + kInputStep * k +
                  kGroupGap * (input.group - 1);
        bool shortList = input.choice && !input.choices.empty() && input.choices.front() == "Yes";
        int captionWidth = input.choice && !shortList ? kListCaptionWidth : kCaptionWidth;
        layout.inputCaptions[static_cast<std::size_t>(k)] = {kCaptionLeft, top, captionWidth,
                                                             kRowHeight};
        int fieldLeft =
            input.choice && !shortList ? kCaptionLeft + captionWidth + kCaptionGap : kFieldLeft;
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
    layout.groups[1] = {kMargin, kInputsTopPerOutput * outputs + kInputsTop, kFrameWidth,
                        kInputStep * first + kGroupPadding};
    if (d.groupCaptions.size() > 1)
        layout.groups[2] = {
            kMargin, kInputStep * first + kSecondGroupTop + kSecondGroupTopPerOutput * outputs,
            kFrameWidth, kInputStep * second + kGroupPadding};
}

// The kinds' own placements of their lists.
void PlaceKindLists(int kind, CalcLayout& layout) {
    auto& captions = layout.inputCaptions;
    auto& fields = layout.inputFields;
    // A list moved left takes the room its caption does not need.
    auto listAt = [&](int k, int left, int width) {
        auto index = static_cast<std::size_t>(k);
        fields[index].left = left, fields[index].width = width;
        captions[index].width =
            std::min(captions[index].width, left - captions[index].left - kCaptionGap);
    };
    switch (kind) {
        case kFinalDriveCalc:
        case kPrimaryReductionCalc:
            captions[FinalDriveInput::kMethod].width = 650;
            listAt(FinalDriveInput::kMethod, 950, 2700);
            break;
        case kTireSizeCalc: {
            listAt(TireSizeInput::kMethod, 1600, 2130);
            // The short Yes/No list keeps to the fields' right part.
            constexpr int kShift = 800;
            fields[TireSizeInput::kEstimateWeight].left += kShift;
            fields[TireSizeInput::kEstimateWeight].width -= kShift;
            captions[TireSizeInput::kEstimateWeight].width += kShift;
            break;
        }
        case kVehicleWeightCalc: {
            const TwipsRect& year = fields[VehicleWeightInput::kModelYear];
            for (int k = VehicleWeightInput::kMake; k <= VehicleWeightInput::kBody; ++k)
                listAt(k, year.left, year.width);
            break;
        }
        case kTransmissionCalc:
            listAt(TransmissionInput::kTransmission, 1100, 2600);
            captions[TransmissionInput::kTransmission].width = 800;
            break;
        case kDomeVolumeCalc: {
            constexpr int kWider = 300;
            const TwipsRect& filled = fields[DomeVolumeInput::kAlsoFilled];
            listAt(DomeVolumeInput::kAlsoFilled, filled.left - kWider, filled.width + kWider);
            break;
        }
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
        int top = kMargin + kOutputStep * static_cast<int>(i);
        layout.outputCaptions[i + 1] = {kMargin, top, kOutputCaptionWidth, kRowHeight};
        layout.outputValues[i + 1] = {kOutputLeft, top, kOutputWidth, kRowHeight};
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
        layout.height = lowestTop + kButtonsRoom + kNoteRoom +
                        kNoteExtraLineHeight * (lines - kNoteLinesWithin);
        layout.note = {kMargin, layout.height - kNoteTopFromBottom, kFrameWidth,
                       kNoteLineHeight * lines + kNotePadding};
        layout.buttonsTop = layout.note.Bottom() + kNoteButtonsGap;
    } else {
        layout.height = lowestTop + kButtonsRoom;
        layout.buttonsTop = lowestTop + kRowHeight + kButtonsGap;
    }
    if (d.outputs.size() > 1) layout.height += kMoreOutputsHeight;
    layout.height += ExtraHeight(calcMenuKind);
    return layout;
}

}  // namespace gyrant
