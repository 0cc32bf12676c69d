#include "calc/calc_menu.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "calc/calc_slots.h"
#include "engine/materials.h"
#include "engine/ring_inertia.h"
#include "files/data_path.h"
#include "model/spec_rows.h"
#include "model/units.h"
#include "text/cell_text.h"
#include "text/windows1252.h"
#include "version.h"

namespace gyrant {
namespace {

constexpr const char* kEstimateNote =
    "This screen ESTIMATES a vehicle weight based on stock shipping weights of popular drag racing "
    "cars.  You are "
    "more accurate to weigh your particular car.";

// What the dome volume menu's piston top choices measure.
const char* VolumeKindOf(int pistonTop) {
    return pistonTop == PistonTop::kDome           ? "Dome"
           : pistonTop == PistonTop::kValveReliefs ? "Valve Reliefs"
                                                   : "Dish";
}

// The model years the vehicle weight menu lists, newest first.
constexpr int kNewestModelYear = 2001;
constexpr int kOldestModelYear = 1955;

// The final drive menu's limits of the driving gear: its teeth, or the primary ratio itself.
constexpr double kLeastTeeth = 5;
constexpr double kMostTeeth = 300;
constexpr double kLeastPrimaryRatio = 0.25;
constexpr double kMostPrimaryRatio = 10;

// A limit as the warnings write it: a limit marked for whole numbers (ending in .001) without it.
std::string ShownLimit(double limit, bool wholeNumberRule) {
    std::string text = GeneralForm(limit);
    if (wholeNumberRule && text.ends_with(".001")) text = GeneralForm(std::trunc(limit));
    return text;
}

}  // namespace

std::string PrintFooter(const std::string& displayName, const std::tm& when,
                        const std::string& comment) {
    int hour = when.tm_hour % 12 == 0 ? 12 : when.tm_hour % 12;
    char time[40];
    std::snprintf(time, sizeof time, "%d/%d/%02d %d:%02d %s", when.tm_mon + 1, when.tm_mday,
                  when.tm_year % 100, hour, when.tm_min, when.tm_hour < 12 ? "am" : "pm");
    return std::string(kProgramFullName) + "\rFile: " + FileNameText(displayName) + "          " +
           time + "\r" + comment;
}

CalcMenu::CalcMenu(const Worksheet& sheet, StripFields& strip, int calcMenuKind)
    : m_sheet(sheet), m_strip(strip), m_row(strip.ShownRow()), m_kind(calcMenuKind) {}

Outcome CalcMenu::Open() {
    if (MenuBaseName(m_kind).empty())
        return Outcome::Failure("Calculation menu " + std::to_string(m_kind) +
                                " is not available in this version of Gyrant.");
    MenuDefinitionRead read = ReadMenuDefinition(
        MenuDefinitionPath(m_sheet.setup.ProgramFolder, m_kind, m_sheet.setup.UnitSystem));
    if (!read.outcome.ok) return read.outcome;
    if (Outcome loaded = LoadData(); !loaded.ok) return loaded;
    m_definition = std::move(read.definition);
    m_noteText = m_definition.noteText;
    for (std::size_t i = 0; i < m_definition.outputs.size(); ++i)
        m_outputs[i + 1] = {m_definition.outputs[i], "", true, true};
    for (std::size_t i = 0; i < m_definition.inputs.size(); ++i) {
        const CalcInputDefinition& d = m_definition.inputs[i];
        m_inputs[i + 1] = {d.caption, d.choice, d.choices, -1,    "",
                           true,      true,     d.high,    d.low, d.group};
    }
    SetUpKind();
    Recalculate();
    return Outcome::Success();
}

// The vehicle weights and transmissions, for the kinds that list them.
Outcome CalcMenu::LoadData() {
    const std::filesystem::path calc = DataPath(m_sheet.setup.ProgramFolder, {"CALC"});
    if (m_kind == kVehicleWeightCalc) {
        VehicleRecordsRead read = ReadVehWeights(DataPath(calc, {"vehweight.txt"}));
        m_vehicles = std::move(read.records);
        return read.outcome;
    }
    if (m_kind == kTransmissionCalc) {
        TransmissionsRead read = LoadTrans(DataPath(calc, {"trans"}));
        m_transmissions = std::move(read.transmissions);
        return read.outcome;
    }
    return Outcome::Success();
}

void CalcMenu::SetUpKind() {
    switch (m_kind) {
        case kTireSizeCalc:
            Input(TireSizeInput::kRimDiameter).text = m_strip.Text(kColID);
            Input(TireSizeInput::kDiameter).text = m_strip.Text(kColOD);
            Input(TireSizeInput::kTreadWidth).text = m_strip.Text(kColWidth);
            if (In(TireSizeInput::kDiameter) > 0)
                Input(TireSizeInput::kMethod).listIndex = TireSizeMethod::kMeasuredDiameter;
            break;
        case kVehicleWeightCalc: {
            CalcInput& years = Input(VehicleWeightInput::kModelYear);
            years.items.clear();
            for (int year = kNewestModelYear; year >= kOldestModelYear; --year)
                years.items.push_back(std::to_string(year));
            Input(VehicleWeightInput::kMake).items = VehicleMakes(m_vehicles);
            break;
        }
        case kPrimaryReductionCalc:
            Input(FinalDriveInput::kMethod).items = {"Primary Reduction"};
            Input(FinalDriveInput::kDrivingGear).caption = "# Teeth, Engine Gear";
            Input(FinalDriveInput::kDrivenGear).caption = "# Teeth, Clutch Gear";
            break;
        case kTransmissionCalc:
            for (const Transmission& t : m_transmissions)
                Input(TransmissionInput::kTransmission).items.push_back(t.name);
            break;
        case kWallThicknessCalc:
            return SetUpWallThickness();
        case kDeckHeightCalc:
        case kDeckClearanceCalc:
        case kDomeVolumeCalc:
            return SetUpEngineCalc();
        default:
            break;
    }
}

// An engine row's Value in the current table, in the menu's length unit: the tables keep
// inches, the metric menus take millimetres.
std::string CalcMenu::EngineLength(int row) const {
    const std::string& text = m_sheet.Table(m_sheet.view.CurrentTable).Text(row, kColValue);
    if (m_sheet.setup.UnitSystem == 0 || TrimBlanks(text).empty()) return text;
    return FormatPicture(NumericValue(text) * kMmPerInch, "###.00");
}

// The part's OD from the strip, and its wall from the strip's ID when it has one.
void CalcMenu::SetUpWallThickness() {
    Input(WallThicknessInput::kOD).text = m_strip.Text(kColOD);
    std::string id = m_strip.Text(kColID);
    CalcInput& part = Input(WallThicknessInput::kPart);
    if (NumericValue(id) != 0) {
        part.listIndex = WallThicknessPart::kTube;
        double od = In(WallThicknessInput::kOD);
        if (od > 0)
            Input(WallThicknessInput::kWall).text =
                FormatPicture((od - NumericValue(id)) / 2, "####.###");
    } else if (Contains(id, "0")) {
        part.listIndex = WallThicknessPart::kSolid;
    }
}

void CalcMenu::SetUpEngineCalc() {
    if (m_kind == kDomeVolumeCalc) {
        Input(DomeVolumeInput::kBore).text = EngineLength(kBoreRow);
        // Nothing else filled, until the user knows an extra volume.
        Input(DomeVolumeInput::kAlsoFilled).listIndex = DomeAlsoFilled::kNothingElse;
        Input(DomeVolumeInput::kPistonTop).listIndex = PistonTop::kDish;
        return SetVolumeKind();
    }
    const std::string stroke = EngineLength(kStrokeRow);
    m_stroke = NumericValue(stroke);
    m_noteText = "This calculation is based on the current            Stroke = " + stroke +
                 " .  If this is incorrect, change this spec before using this menu.\r\rEnter a "
                 "negative (-) Deck Ht Clearance if the piston goes above the deck at TDC.";
}

// The volume the menu calculates names the window, the quantity and the result.
void CalcMenu::SetVolumeKind() {
    m_volumeKind = VolumeKindOf(Input(DomeVolumeInput::kPistonTop).listIndex);
    m_definition.caption = "Calc " + m_volumeKind + " CCs";
    m_definition.QuantityName = m_volumeKind + " CCs";
    m_outputs[kResultOutput].caption = m_definition.caption;
}

double CalcMenu::In(int k) const {
    return NumericValue(m_inputs.at(static_cast<std::size_t>(k)).text);
}

// Enables the inputs used (and their captions), disables the others of the method's set.
void CalcMenu::Use(std::initializer_list<int> used, std::initializer_list<int> all) {
    for (int k : all) Input(k).enabled = false;
    for (int k : used) Input(k).enabled = true;
}

void CalcMenu::ShowResult(double value, const char* picture, bool result) {
    CalcOutput& out = m_outputs[kResultOutput];
    out.enabled = result;
    out.text = result ? FormatPicture(value, picture) : "";
}

void CalcMenu::Recalculate() {
    switch (m_kind) {
        case kFinalDriveCalc:
        case kPrimaryReductionCalc:
            return RecalculateFinalDrive();
        case kTireSizeCalc:
            return RecalculateTireSize();
        case kVehicleWeightCalc:
            return RecalculateVehicleWeight();
        case kTransmissionCalc:
            return RecalculateTransmission();
        case kWallThicknessCalc:
            return RecalculateWallThickness();
        case kDeckHeightCalc:
        case kDeckClearanceCalc:
            return RecalculateDeck();
        case kDomeVolumeCalc:
            return RecalculateDomeVolume();
        default:
            return;
    }
}

void CalcMenu::RecalculateFinalDrive() {
    using Slot = FinalDriveInput;
    if (m_kind == kPrimaryReductionCalc) {
        Input(Slot::kMethod).enabled = false;
        Input(Slot::kMethod).listIndex = FinalDriveMethod::kGearTeeth;
    }
    int method = Input(Slot::kMethod).listIndex;
    bool takesRatio = method == FinalDriveMethod::kPrimaryRatio;
    Input(Slot::kDrivingGear).high = takesRatio ? kMostPrimaryRatio : kMostTeeth;
    Input(Slot::kDrivingGear).low = takesRatio ? kLeastPrimaryRatio : kLeastTeeth;
    double value = 0;
    bool result = true;
    auto needs = [&](std::initializer_list<int> used) {
        Use(used,
            {Slot::kDrivingGear, Slot::kDrivenGear, Slot::kFrontSprocket, Slot::kRearSprocket});
        for (int k : used) result = result && In(k) != 0;
    };
    auto captions = [&](const char* driving, const char* driven) {
        Input(Slot::kDrivingGear).caption = driving;
        Input(Slot::kDrivenGear).caption = driven;
    };
    if (method < 0) {
        needs({});
        result = false;
    } else if (method == FinalDriveMethod::kGearTeeth) {
        needs({Slot::kDrivingGear, Slot::kDrivenGear});
        if (m_kind == kFinalDriveCalc) captions("# Teeth, Pinion Gear", "# Teeth, Ring Gear");
        if (result) value = In(Slot::kDrivenGear) / In(Slot::kDrivingGear);
    } else if (method == FinalDriveMethod::kSprockets) {
        needs({Slot::kFrontSprocket, Slot::kRearSprocket});
        captions("# Teeth, Pinion Gear", "# Teeth, Ring Gear");
        if (result) value = In(Slot::kRearSprocket) / In(Slot::kFrontSprocket);
    } else if (method == FinalDriveMethod::kPrimaryTeeth) {
        needs({Slot::kDrivingGear, Slot::kDrivenGear, Slot::kFrontSprocket, Slot::kRearSprocket});
        captions("#Teeth, Engine Primary Gear", "#Teeth, Clutch Primary Gear");
        if (result)
            value = (In(Slot::kDrivenGear) / In(Slot::kDrivingGear)) * In(Slot::kRearSprocket) /
                    In(Slot::kFrontSprocket);
    } else {
        needs({Slot::kDrivingGear, Slot::kFrontSprocket, Slot::kRearSprocket});
        captions("Primary Gear Ratio", "");
        if (result)
            value = In(Slot::kDrivingGear) * In(Slot::kRearSprocket) / In(Slot::kFrontSprocket);
    }
    ShowResult(value, "##.00", result);
}

void CalcMenu::RecalculateTireSize() {
    using Slot = TireSizeInput;
    int method = Input(Slot::kMethod).listIndex;
    double width = In(Slot::kSectionWidthMm) / kMmPerInch, aspect = In(Slot::kAspectRatio),
           rim = In(Slot::kRimDiameter);
    double letter = Input(Slot::kLetter).listIndex + 1;
    double k = std::min(1.26 - 0.00782 * aspect, 1.0);
    double diameter = 0, tread = 0;
    bool result = false, hasTread = false;
    const std::initializer_list<int> sizes = {
        Slot::kSectionWidthMm, Slot::kLetter,  Slot::kAspectRatio, Slot::kRimDiameter,
        Slot::kDiameter,       Slot::kRollout, Slot::kTreadWidth};
    if (method == TireSizeMethod::kMetricSize) {
        Use({Slot::kSectionWidthMm, Slot::kAspectRatio, Slot::kRimDiameter}, sizes);
        result = In(Slot::kSectionWidthMm) != 0 && aspect != 0 && rim != 0;
        diameter = 2 * ((rim + width * aspect / 50) / 2);
        tread = width * k, hasTread = true;
    } else if (method == TireSizeMethod::kLetterSize) {
        Use({Slot::kLetter, Slot::kAspectRatio, Slot::kRimDiameter}, sizes);
        result = Input(Slot::kLetter).listIndex >= 0 && aspect != 0 && rim != 0;
        double r = 0.66 + 0.278 * letter + 0.1513 * aspect + 0.333 * rim - 0.006 * letter * letter -
                   0.000874 * aspect * aspect;
        diameter = 2 * r;
        tread = ((2 * r - rim) / 2) / (0.01 * aspect) * k, hasTread = true;
    } else if (method == TireSizeMethod::kMeasuredDiameter ||
               method == TireSizeMethod::kMeasuredRollout) {
        int measured =
            method == TireSizeMethod::kMeasuredDiameter ? Slot::kDiameter : Slot::kRollout;
        Use({Slot::kRimDiameter, measured, Slot::kTreadWidth}, sizes);
        result = In(measured) != 0;
        diameter = method == TireSizeMethod::kMeasuredDiameter
                       ? In(Slot::kDiameter)
                       : In(Slot::kRollout) / std::numbers::pi;
        hasTread = In(Slot::kTreadWidth) > 0, tread = In(Slot::kTreadWidth);
    } else {
        Use({}, sizes);
    }
    ShowResult(diameter, "###.0", result);
    CalcOutput& treadOut = m_outputs[TireSizeOutput::kTreadWidth];
    treadOut.enabled = result && hasTread;
    treadOut.text = treadOut.enabled ? FormatPicture(tread, "###.0") : "";
    CalcOutput& weightOut = m_outputs[TireSizeOutput::kWeight];
    // The weight needs the rim too, which the measured methods otherwise do without; the list's
    // first choice is No.
    weightOut.enabled =
        result && hasTread && rim > 0 && Input(Slot::kEstimateWeight).listIndex >= 1;
    weightOut.text =
        weightOut.enabled
            ? FormatPicture(CalcTireVolume(tread, diameter, rim).TotalVolume * TireDensity,
                            "###.00")
            : "";
}

void CalcMenu::RecalculateVehicleWeight() {
    using Slot = VehicleWeightInput;
    // A make or model chosen fills the next list and clears the lists after it.
    if (m_lastComboClicked == Slot::kMake || m_lastComboClicked == Slot::kModel) {
        const CalcInput& clicked = Input(m_lastComboClicked);
        const std::string chosen = clicked.listIndex >= 0
                                       ? clicked.items[static_cast<std::size_t>(clicked.listIndex)]
                                       : std::string{};
        Input(m_lastComboClicked + 1).items = m_lastComboClicked == Slot::kMake
                                                  ? VehicleModels(m_vehicles, chosen)
                                                  : VehicleAttributes(m_vehicles, chosen);
        for (int k = m_lastComboClicked + 1; k <= Slot::kBody; ++k) Input(k).listIndex = -1;
    }
    m_outputs[kResultOutput].enabled = true;
    bool allChosen = true;
    for (int k = Slot::kModelYear; k <= Slot::kBody; ++k)
        allChosen = allChosen && Input(k).listIndex >= 0;
    if (allChosen) {
        auto item = [this](int k) {
            return Input(k).items[static_cast<std::size_t>(Input(k).listIndex)];
        };
        VehicleChoice choice{RoundToInteger(NumericValue(item(Slot::kModelYear))),
                             item(Slot::kMake),
                             item(Slot::kModel),
                             item(Slot::kEngineBody),
                             Input(Slot::kTransmission).listIndex != 0,
                             Input(Slot::kBody).listIndex != 0,
                             In(Slot::kAddedWeight),
                             In(Slot::kFuelGallons)};
        WeightEstimate estimate = EstimateVehicleWeight(m_vehicles, choice);
        m_outputs[kResultOutput].text = estimate.weight;
        m_noteText = estimate.note;
    } else {
        m_outputs[kResultOutput].text.clear();
        m_noteText = kEstimateNote;
    }
    m_lastComboClicked = 0;
}

void CalcMenu::RecalculateTransmission() {
    using Slot = TransmissionInput;
    int transmission = Input(Slot::kTransmission).listIndex;
    if (transmission < 0) return;
    double value = 0;
    bool ownGears = transmission == kOwnGears;
    Input(Slot::kGear).enabled = !ownGears;
    Input(Slot::kDrivingTeeth).enabled = Input(Slot::kDrivenTeeth).enabled = ownGears;
    if (ownGears) {
        if (In(Slot::kDrivingTeeth) > 0) value = In(Slot::kDrivenTeeth) / In(Slot::kDrivingTeeth);
    } else {
        const CalcInput& gears = Input(Slot::kGear);
        if (gears.listIndex >= 0 && gears.listIndex < static_cast<int>(gears.items.size())) {
            // A gear's entry is its number and a blank before its ratio.
            std::string line = gears.items[static_cast<std::size_t>(gears.listIndex)];
            value = NumericValue(TrimBlanks(line.size() > 2 ? std::string_view(line).substr(2)
                                                            : std::string_view{}));
        }
    }
    ShowResult(value, "##.###", value != 0);
}

void CalcMenu::RecalculateWallThickness() {
    using Slot = WallThicknessInput;
    int part = Input(Slot::kPart).listIndex;
    if (part >= WallThicknessPart::kTube) {
        Input(Slot::kWall).enabled = true;
        bool result = part == WallThicknessPart::kTube && In(Slot::kOD) > 0 && In(Slot::kWall) > 0;
        ShowResult(In(Slot::kOD) - 2 * In(Slot::kWall), "####.###", result);
    } else {
        m_outputs[kResultOutput].text = "0";  // a solid part
        m_outputs[kResultOutput].enabled = true;
        Input(Slot::kWall).enabled = false;
    }
}

void CalcMenu::RecalculateDeck() {
    CalcOutput& out = m_outputs[kResultOutput];
    double value = 0;
    if (m_kind == kDeckHeightCalc) {
        using Slot = DeckHeightInput;
        if (In(Slot::kRodLength) == 0 || In(Slot::kCompressionHeight) == 0) return out.text.clear();
        value = In(Slot::kRodLength) + In(Slot::kCompressionHeight) + In(Slot::kDeckClearance) +
                m_stroke / 2;
    } else {
        using Slot = DeckClearanceInput;
        if (In(Slot::kDeckHeight) == 0 || In(Slot::kCompressionHeight) == 0)
            return out.text.clear();
        value = In(Slot::kDeckHeight) - In(Slot::kCompressionHeight) - In(Slot::kRodLength) -
                m_stroke / 2;
    }
    out.text = FormatPicture(value, m_sheet.setup.UnitSystem == 0 ? "###.000" : "###.00");
}

void CalcMenu::RecalculateDomeVolume() {
    using Slot = DomeVolumeInput;
    double toInches = m_sheet.setup.UnitSystem == 0 ? 1 : kMmPerInch;
    double bore = In(Slot::kBore) / toInches, height = In(Slot::kPistonDown) / toInches;
    Input(Slot::kExtraCCs).enabled =
        Input(Slot::kAlsoFilled).listIndex == DomeAlsoFilled::kKnownExtraCCs;
    if (bore == 0) {
        m_outputs[kResultOutput].text.clear();
        return;
    }
    // The space filled: a cylinder of the height, and the extra.
    double volume = (Input(Slot::kExtraCCs).enabled ? In(Slot::kExtraCCs) : 0) +
                    kCcPerCubicInch * height * std::numbers::pi / 4 * bore * bore;
    double value =
        m_volumeKind == "Dome" ? volume - In(Slot::kCCsToFill) : In(Slot::kCCsToFill) - volume;
    m_outputs[kResultOutput].text = FormatPicture(value, "###.0");
}

std::optional<std::string> CalcMenu::LeaveInput(int k, const std::string& previousText) {
    CalcInput& input = Input(k);
    if (input.text.empty()) {
        Recalculate();
        return std::nullopt;
    }
    double value = NumericValue(input.text);
    input.text = PlainNumber(value);
    if (value > input.high || value < input.low) {
        std::string warning = input.caption + " = " + input.text + ".  Value must be between " +
                              ShownLimit(input.low, false) + " and " +
                              ShownLimit(input.high, true) + " .";
        input.text = previousText;
        return warning;
    }
    Recalculate();
    return std::nullopt;
}

void CalcMenu::ListClick(int k, int index) {
    Input(k).listIndex = index;
    if (m_kind == kVehicleWeightCalc) m_lastComboClicked = k;
    if (m_kind == kDomeVolumeCalc && k == DomeVolumeInput::kPistonTop) SetVolumeKind();
    // The transmissions of the data file follow the user's own gears in the list.
    if (m_kind == kTransmissionCalc && k == TransmissionInput::kTransmission && index > kOwnGears &&
        index <= static_cast<int>(m_transmissions.size())) {
        CalcInput& gears = Input(TransmissionInput::kGear);
        gears.items = GearEntries(m_transmissions[static_cast<std::size_t>(index - 1)]);
        gears.listIndex = -1;
    }
    Recalculate();
}

bool CalcMenu::UseCalcValue(Dialogs& dialogs) {
    if (!WritesBack()) return false;
    if (!StripShowsItsRow()) return true;
    const std::string& name = m_definition.QuantityName;
    if (m_outputs[kResultOutput].text.empty()) {
        Tell(dialogs, "No " + name + " has been calculated.  No " + name + " can be used.", " ");
        return false;
    }
    double value = NumericValue(m_outputs[kResultOutput].text);
    if (value > m_definition.OutputHigh || value < m_definition.OutputLow) {
        Answer answer = dialogs.ShowMessage(
            {"Calculated " + name + " is outside normal limit of " +
                 GeneralForm(m_definition.OutputLow) + " to " +
                 GeneralForm(m_definition.OutputHigh) +
                 ".  Check your inputs as this combination seems quite unusual.\r\rDo you still "
                 "want to close this "
                 "menu?  (If you answer Yes, you will have to re-enter these numbers again.)",
             " ", Buttons::YesNoCancel, Icon::Question, Answer::No});
        return answer == Answer::Yes;
    }
    bool close = true;
    WriteBack(dialogs, close);
    return close;
}

void CalcMenu::WriteBack(Dialogs& dialogs, bool& close) {
    const std::string& result = m_outputs[kResultOutput].text;
    switch (m_kind) {
        case kTireSizeCalc: {
            m_strip.SetText(kColOD, result);
            const CalcOutput& tread = m_outputs[TireSizeOutput::kTreadWidth];
            if (tread.enabled) m_strip.SetText(kColWidth, tread.text);
            const CalcOutput& weight = m_outputs[TireSizeOutput::kWeight];
            if (weight.enabled) {
                m_strip.SetText(kColWeight, weight.text);
                m_strip.SetListIndex(kColMaterial, 0);
            }
            const CalcInput& rim = Input(TireSizeInput::kRimDiameter);
            if (rim.enabled) m_strip.SetText(kColID, rim.text);
            break;
        }
        case kWallThicknessCalc: {
            m_strip.SetText(kColID, result);
            std::string od = m_strip.Text(kColOD);
            const CalcInput& enteredOD = Input(WallThicknessInput::kOD);
            if (In(WallThicknessInput::kOD) == NumericValue(od)) break;
            Answer answer =
                dialogs.ShowMessage({"Do you want the OD you entered here of " + enteredOD.text +
                                         " used also, to replace the current OD of " + od + " ?",
                                     "Change OD Also ?", Buttons::YesNo, Icon::None, Answer::Yes});
            if (answer == Answer::Yes)
                m_strip.SetText(kColOD, enteredOD.text);
            else
                close = false;
            break;
        }
        default:
            m_strip.SetText(kColValue, result);
            break;
    }
}

}  // namespace gyrant
