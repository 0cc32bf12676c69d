#include "analysis/every_gear.h"

#include <memory>
#include <sstream>

#include "analysis/weight_shares.h"
#include "engine/layout.h"
#include "engine/update_table.h"
#include "model/spec_rows.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

// What the recalculation reads, copied so that trying a ratio leaves the user's worksheet alone.
std::unique_ptr<Worksheet> CalculationCopy(const Worksheet& sheet) {
    auto copy = std::make_unique<Worksheet>();
    copy->document.tables = sheet.document.tables;
    copy->document.TwoVehicles = sheet.document.TwoVehicles;
    copy->document.WeightOption = sheet.document.WeightOption;
    copy->view.CurrentTable = sheet.view.CurrentTable;
    return copy;
}

double EqWt(const SpecTable& table, int row) {
    return NumericValue(table.Text(row, kColEqWt));
}

// The figures of one vehicle just recalculated.
void ReadVehicle(const Worksheet& copy, int index, GearFigures& gear) {
    const SpecTable& table = copy.Table(index);
    auto i = static_cast<std::size_t>(index);
    gear.rotating[i] = EqWt(table, kRotatingTotalRow);
    gear.total[i] = EqWt(table, kVehicleTotalRow);
    gear.rotatingShare[i] = gear.total[i] > 0 ? 100 * gear.rotating[i] / gear.total[i] : 0;
    gear.engineFactor[i] = copy.derived.Speeds.EngineFactor;
}

// A limit as the row's warnings write it.
std::string Limit(float limit) {
    return std::string(TrimBlanks(GeneralFormSingle(limit)));
}

}  // namespace

std::vector<GearFigures> FiguresInEveryGear(const Worksheet& sheet,
                                            const std::vector<double>& ratios) {
    std::unique_ptr<Worksheet> copy = CalculationCopy(sheet);
    std::string studied =
        PlainNumber(NumericValue(sheet.Table(kBaseline).Text(kGearRatioRow, kColValue)));
    std::vector<GearFigures> gears;
    // The gear row changes no row's place: the layout is laid out once, and each gear
    // recalculates the vehicles shown.
    RefreshLayout(*copy);
    int vehicles = sheet.document.TwoVehicles == 1 ? 2 : 1;
    for (double ratio : ratios) {
        GearFigures gear{ratio, PlainNumber(ratio) == studied};
        for (int index = kBaseline; index < vehicles; ++index) {
            copy->Table(index).SetText(kGearRatioRow, kColValue, PlainNumber(ratio));
            UpdateTable(*copy, index);
            ReadVehicle(*copy, index, gear);
        }
        // The Proposed car's weight is taken as the answer in the gear studied takes it.
        if (vehicles == 2)
            gear.gainPercent = AccelerationGainPercent(
                gear.total[0], gear.total[1] - ProposedWeightAdjustment(*copy));
        gears.push_back(gear);
    }
    return gears;
}

std::vector<std::string> GearColumnHeadings(bool twoVehicles) {
    std::vector<std::string> headings = {"Gear", "Ratio"};
    if (twoVehicles) headings.push_back("Gain %");
    for (int index = kBaseline; index <= (twoVehicles ? kProposed : kBaseline); ++index)
        for (const char* figure :
             {" Engine Factor", " Rotating Eq. Wt", " Total Eq. Wt", " Rotating %"})
            headings.push_back(VehicleName(index) + std::string(figure));
    return headings;
}

std::vector<double> GearColumnValues(const GearFigures& gear, bool twoVehicles) {
    std::vector<double> values = {gear.ratio};
    if (twoVehicles) values.push_back(gear.gainPercent);
    for (std::size_t v = 0; v < (twoVehicles ? 2u : 1u); ++v)
        values.insert(values.end(), {gear.engineFactor[v], gear.rotating[v], gear.total[v],
                                     gear.rotatingShare[v]});
    return values;
}

std::string GearLabel(std::size_t index, const GearFigures& gear) {
    return std::to_string(index + 1) + (gear.studied ? "*" : "");
}

GearRatiosRead ReadGearRatios(const std::string& text, const Worksheet& sheet) {
    float low = sheet.setup.Rows.RowLowLimit[kGearRatioRow][0];
    float high = sheet.setup.Rows.RowHighLimit[kGearRatioRow][0];
    GearRatiosRead read;
    std::istringstream fields(text);
    std::string field;
    while (std::getline(fields, field, ',')) {
        if (IsBlank(field) && fields.eof() && !read.ratios.empty()) break;
        LeadingNumber number = ReadLeadingNumber(field);
        bool whole = number.found && IsBlank(std::string_view(field).substr(number.length));
        if (!whole || !WithinLimits(number.value, low, high)) {
            read.outcome = Outcome::Failure(QuotedForMessage(TrimBlanks(field)) +
                                            " is not a gear ratio: each must be between " +
                                            Limit(low) + " and " + Limit(high) + ".");
            return read;
        }
        read.ratios.push_back(number.value);
    }
    if (read.ratios.empty() || read.ratios.size() > kMostGears)
        read.outcome = Outcome::Failure("Give from 1 to 8 gear ratios, separated by commas.");
    return read;
}

GearRatiosRead RatiosToShow(const std::string& typed, const Worksheet& sheet) {
    if (!IsBlank(typed)) return ReadGearRatios(typed, sheet);
    return ReadGearRatios(sheet.Table(kBaseline).Text(kGearRatioRow, kColValue), sheet);
}

std::string TypedRatios(const Transmission& transmission) {
    std::string typed;
    for (double ratio : transmission.ratios)
        if (ratio > 0) typed += (typed.empty() ? "" : ", ") + PlainNumber(ratio);
    return typed;
}

}  // namespace gyrant
