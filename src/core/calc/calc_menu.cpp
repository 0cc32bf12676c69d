#include "calc/calc_menu.h"

#include <cmath>
#include <cstdio>
#include <numbers>

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

// The piston top list of the dome volume menu, and what its choices measure.
constexpr int kPistonTopList = 6;
const char* VolumeKindOf(int pistonTop) {
    return pistonTop == 1 ? "Dome" : pistonTop == 3 ? "Valve Reliefs" : "Dish";
}
constexpr int kDishPistonTop = 2;

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

CalcMenu::CalcMenu(const Worksheet& sheet, EditStrip& strip, int calcMenuKind)
    : m_sheet(sheet), m_strip(strip), m_row(strip.shownRow), m_kind(calcMenuKind) {}

Outcome CalcMenu::Open() {
    if (MenuBaseName(m_kind).empty())
        return Outcome::Failure("Calculation menu " + std::to_string(m_kind) +
                                " is not available in this version of Gyrant.");
    MenuDefinitionRead read =
        ReadMenuDefinition(MenuDefinitionPath(m_sheet.ProgramFolder, m_kind, m_sheet.UnitSystem));
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
    const std::filesystem::path calc = DataPath(m_sheet.ProgramFolder, {"CALC"});
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
            Input(5).text = m_strip.Field(kColID).text;
            Input(6).text = m_strip.Field(kColOD).text;
            Input(8).text = m_strip.Field(kColWidth).text;
            if (In(6) > 0) Input(1).listIndex = 2;
            break;
        case kVehicleWeightCalc:
            Input(1).items.clear();
            for (int year = 2001; year >= 1955; --year)
                Input(1).items.push_back(std::to_string(year));
            Input(2).items = VehicleMakes(m_vehicles);
            break;
        case kPrimaryReductionCalc:
            Input(1).items = {"Primary Reduction"};
            Input(2).caption = "# Teeth, Engine Gear";
            Input(3).caption = "# Teeth, Clutch Gear";
            break;
        case kTransmissionCalc:
            for (const Transmission& t : m_transmissions) Input(1).items.push_back(t.name);
            break;
        case kWallThicknessCalc: {
            Input(2).text = m_strip.Field(kColOD).text;
            const std::string& id = m_strip.Field(kColID).text;
            if (NumericValue(id) != 0) {
                Input(1).listIndex = 1;
                if (In(2) > 0)
                    Input(3).text = FormatPicture((In(2) - NumericValue(id)) * 0.5, "####.###");
            } else if (Contains(id, "0")) {
                Input(1).listIndex = 0;
            }
            break;
        }
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
    const std::string& text = m_sheet.Table(m_sheet.CurrentTable).Text(row, kColValue);
    if (m_sheet.UnitSystem == 0 || TrimBlanks(text).empty()) return text;
    return FormatPicture(NumericValue(text) * kMmPerInch, "###.00");
}

void CalcMenu::SetUpEngineCalc() {
    if (m_kind == kDomeVolumeCalc) {
        Input(1).text = EngineLength(kBoreRow);
        Input(3).listIndex = 0;  // nothing else filled, until the user knows an extra volume
        Input(kPistonTopList).listIndex = kDishPistonTop;
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
    m_volumeKind = VolumeKindOf(Input(kPistonTopList).listIndex);
    m_definition.caption = "Calc " + m_volumeKind + " CCs";
    m_definition.QuantityName = m_volumeKind + " CCs";
    m_outputs[1].caption = m_definition.caption;
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
    CalcOutput& out = m_outputs[1];
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
    if (m_kind == kPrimaryReductionCalc) {
        Input(1).enabled = false;
        Input(1).listIndex = 0;
    }
    int method = Input(1).listIndex;
    Input(2).high = method == 2 ? 10 : 300;
    Input(2).low = method == 2 ? 0.25 : 5;
    double value = 0;
    bool result = true;
    auto needs = [&](std::initializer_list<int> used) {
        Use(used, {2, 3, 4, 5});
        for (int k : used) result = result && In(k) != 0;
    };
    if (method < 0) {
        needs({});
        result = false;
    } else if (method == 0) {
        needs({2, 3});
        if (m_kind == kFinalDriveCalc)
            Input(2).caption = "# Teeth, Pinion Gear", Input(3).caption = "# Teeth, Ring Gear";
        if (result) value = In(3) / In(2);
    } else if (method == 1) {
        needs({4, 5});
        Input(2).caption = "# Teeth, Pinion Gear", Input(3).caption = "# Teeth, Ring Gear";
        if (result) value = In(5) / In(4);
    } else if (method == 3) {
        needs({2, 3, 4, 5});
        Input(2).caption = "#Teeth, Engine Primary Gear",
        Input(3).caption = "#Teeth, Clutch Primary Gear";
        if (result) value = (In(3) / In(2)) * In(5) / In(4);
    } else {
        needs({2, 4, 5});
        Input(2).caption = "Primary Gear Ratio", Input(3).caption = "";
        if (result) value = In(2) * In(5) / In(4);
    }
    ShowResult(value, "##.00", result);
}

void CalcMenu::RecalculateTireSize() {
    int method = Input(1).listIndex;
    double width = In(2) / kMmPerInch, aspect = In(4), rim = In(5);
    double letter = Input(3).listIndex + 1;
    double k = std::min(1.26 - 0.00782 * aspect, 1.0);
    double diameter = 0, tread = 0;
    bool result = false, hasTread = false;
    if (method == 0) {
        Use({2, 4, 5}, {2, 3, 4, 5, 6, 7, 8});
        result = In(2) != 0 && aspect != 0 && rim != 0;
        diameter = 2 * ((rim + width * aspect / 50) / 2);
        tread = width * k, hasTread = true;
    } else if (method == 1) {
        Use({3, 4, 5}, {2, 3, 4, 5, 6, 7, 8});
        result = Input(3).listIndex >= 0 && aspect != 0 && rim != 0;
        double r = 0.66 + 0.278 * letter + 0.1513 * aspect + 0.333 * rim - 0.006 * letter * letter -
                   0.000874 * aspect * aspect;
        diameter = 2 * r;
        tread = ((2 * r - rim) / 2) / (0.01 * aspect) * k, hasTread = true;
    } else if (method == 2 || method == 3) {
        Use({5, method == 2 ? 6 : 7, 8}, {2, 3, 4, 5, 6, 7, 8});
        result = In(method == 2 ? 6 : 7) != 0;
        diameter = method == 2 ? In(6) : In(7) / std::numbers::pi;
        hasTread = In(8) > 0, tread = In(8);
    } else {
        Use({}, {2, 3, 4, 5, 6, 7, 8});
    }
    ShowResult(diameter, "###.0", result);
    CalcOutput& treadOut = m_outputs[2];
    treadOut.enabled = result && hasTread;
    treadOut.text = treadOut.enabled ? FormatPicture(tread, "###.0") : "";
    CalcOutput& weightOut = m_outputs[3];
    // The weight needs the rim too, which the measured methods otherwise do without.
    weightOut.enabled = result && hasTread && rim > 0 && Input(9).listIndex >= 1;
    weightOut.text =
        weightOut.enabled
            ? FormatPicture(CalcTireVolume(tread, diameter, rim).TotalVolume * TireDensity,
                            "###.00")
            : "";
}

void CalcMenu::RecalculateVehicleWeight() {
    if (m_lastComboClicked == 2 || m_lastComboClicked == 3) {
        const std::string chosen =
            Input(m_lastComboClicked).listIndex >= 0
                ? Input(m_lastComboClicked)
                      .items[static_cast<std::size_t>(Input(m_lastComboClicked).listIndex)]
                : std::string{};
        Input(m_lastComboClicked + 1).items = m_lastComboClicked == 2
                                                  ? VehicleModels(m_vehicles, chosen)
                                                  : VehicleAttributes(m_vehicles, chosen);
        for (int k = m_lastComboClicked + 1; k <= 6; ++k) Input(k).listIndex = -1;
    }
    m_outputs[1].enabled = true;
    bool allChosen = true;
    for (int k = 1; k <= 6; ++k) allChosen = allChosen && Input(k).listIndex >= 0;
    if (allChosen) {
        auto item = [this](int k) {
            return Input(k).items[static_cast<std::size_t>(Input(k).listIndex)];
        };
        VehicleChoice choice{RoundToInteger(NumericValue(item(1))),
                             item(2),
                             item(3),
                             item(4),
                             Input(5).listIndex != 0,
                             Input(6).listIndex != 0,
                             In(7),
                             In(8)};
        WeightEstimate estimate = EstimateVehicleWeight(m_vehicles, choice);
        m_outputs[1].text = estimate.weight;
        m_noteText = estimate.note;
    } else {
        m_outputs[1].text.clear();
        m_noteText = kEstimateNote;
    }
    m_lastComboClicked = 0;
}

void CalcMenu::RecalculateTransmission() {
    int transmission = Input(1).listIndex;
    if (transmission < 0) return;
    double value = 0;
    if (transmission == 0) {
        Input(2).enabled = false;
        Input(3).enabled = Input(4).enabled = true;
        if (In(3) > 0) value = In(4) / In(3);
    } else {
        Input(2).enabled = true;
        Input(3).enabled = Input(4).enabled = false;
        const CalcInput& gears = Input(2);
        if (gears.listIndex >= 0 && gears.listIndex < static_cast<int>(gears.items.size())) {
            std::string line = gears.items[static_cast<std::size_t>(gears.listIndex)];
            value = NumericValue(TrimBlanks(line.size() > 2 ? std::string_view(line).substr(2)
                                                            : std::string_view{}));
        }
    }
    ShowResult(value, "##.###", value != 0);
}

void CalcMenu::RecalculateWallThickness() {
    int method = Input(1).listIndex;
    if (method >= 1) {
        Input(3).enabled = true;
        bool result = method == 1 && In(2) > 0 && In(3) > 0;
        ShowResult(In(2) - 2 * In(3), "####.###", result);
    } else {
        m_outputs[1].text = "0";  // a solid part
        m_outputs[1].enabled = true;
        Input(3).enabled = false;
    }
}

void CalcMenu::RecalculateDeck() {
    if (In(1) == 0 || In(2) == 0) {
        m_outputs[1].text.clear();
        return;
    }
    double value = m_kind == kDeckHeightCalc ? In(1) + In(2) + In(3) + m_stroke / 2
                                             : In(1) - In(2) - In(3) - m_stroke / 2;
    m_outputs[1].text = FormatPicture(value, m_sheet.UnitSystem == 0 ? "###.000" : "###.00");
}

void CalcMenu::RecalculateDomeVolume() {
    double toInches = m_sheet.UnitSystem == 0 ? 1 : kMmPerInch;
    double bore = In(1) / toInches, height = In(2) / toInches;
    Input(4).enabled = Input(3).listIndex == 1;
    if (bore == 0) {
        m_outputs[1].text.clear();
        return;
    }
    // The space filled: a cylinder of the height, and the extra.
    double volume = (Input(4).enabled ? In(4) : 0) +
                    kCcPerCubicInch * height * std::numbers::pi / 4 * bore * bore;
    double value = m_volumeKind == "Dome" ? volume - In(5) : In(5) - volume;
    m_outputs[1].text = FormatPicture(value, "###.0");
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
    if (m_kind == kDomeVolumeCalc && k == kPistonTopList) SetVolumeKind();
    if (m_kind == kTransmissionCalc && k == 1 && index > 0 &&
        index <= static_cast<int>(m_transmissions.size())) {
        Input(2).items = GearEntries(m_transmissions[static_cast<std::size_t>(index - 1)]);
        Input(2).listIndex = -1;
    }
    Recalculate();
}

bool CalcMenu::UseCalcValue(Dialogs& dialogs) {
    if (!WritesBack()) return false;
    if (!StripShowsItsRow()) return true;
    const std::string& name = m_definition.QuantityName;
    if (m_outputs[1].text.empty()) {
        Tell(dialogs, "No " + name + " has been calculated.  No " + name + " can be used.", " ");
        return false;
    }
    double value = NumericValue(m_outputs[1].text);
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
    const std::string& result = m_outputs[1].text;
    switch (m_kind) {
        case kTireSizeCalc:
            m_strip.Field(kColOD).text = result;
            if (m_outputs[2].enabled) m_strip.Field(kColWidth).text = m_outputs[2].text;
            if (m_outputs[3].enabled) {
                m_strip.Field(kColWeight).text = m_outputs[3].text;
                m_strip.Field(kColMaterial).listIndex = 0;
            }
            if (Input(5).enabled) m_strip.Field(kColID).text = Input(5).text;
            break;
        case kWallThicknessCalc: {
            m_strip.Field(kColID).text = result;
            const std::string& od = m_strip.Field(kColOD).text;
            if (In(2) == NumericValue(od)) break;
            Answer answer =
                dialogs.ShowMessage({"Do you want the OD you entered here of " + Input(2).text +
                                         " used also, to replace the current OD of " + od + " ?",
                                     "Change OD Also ?", Buttons::YesNo, Icon::None, Answer::Yes});
            if (answer == Answer::Yes)
                m_strip.Field(kColOD).text = Input(2).text;
            else
                close = false;
            break;
        }
        default:
            m_strip.Field(kColValue).text = result;
            break;
    }
}

}  // namespace gyrant
