#include "editor/validation.h"

#include <cmath>

#include "text/cell_text.h"

namespace gyrant {
namespace {

// The limit each validated field is checked against; -1 for fields that are not checked.
int LimitIndex(int field) {
    switch (field) {
        case kColValue:
        case kColOD:
            return 0;
        case kColID:
            return 1;
        case kColWidth:
            return 2;
        case kColWeight:
            return 3;
        default:
            return -1;
    }
}

// Limits are in pounds; a weight typed in grams is checked at 450 grams to the pound. Only the
// fields that hold a weight are scaled: the Weight, and the Value of a row that has units.
float WeightScale(const EditStrip& strip, int field) {
    const StripField& units = strip.Field(kColUnits);
    bool holdsWeight = field == kColWeight || field == kColValue;
    bool grams = units.shown && Contains(UpperCase(strip.Text(kColUnits)), "GM");
    return holdsWeight && grams ? 450.0f : 1.0f;
}

std::string OutOfRangeMessage(int field, const std::string& text, float low, float high) {
    return std::string(ColumnHeading(field)) + " = " + text + ".  Value must be between " +
           GeneralFormSingle(low) + " and " + GeneralFormSingle(high) + " .";
}

// The I.D. and O.D. as the strip holds them, when a shown I.D. is not below a given O.D.: such
// a part cannot be computed.
std::optional<std::string> DiameterConflict(const EditStrip& strip, int field) {
    std::string od = strip.Text(kColOD), id = strip.Text(kColID);
    if ((field != kColOD && field != kColID) || !strip.Field(kColID).shown || IsBlank(od) ||
        IsBlank(id) || NumericValue(id) < NumericValue(od))
        return std::nullopt;
    std::string both = field == kColID ? "I.D. = " + id + " and O.D. = " + od
                                       : "O.D. = " + od + " and I.D. = " + id;
    return both + ".  The I.D. must be below the O.D.";
}

}  // namespace

std::optional<std::string> ValidateEntry(const RowDefinitions& rows, int row, EditStrip& strip,
                                         int field) {
    int k = LimitIndex(field);
    std::string& text = strip.Field(field).text;
    if (k < 0 || text.empty()) return std::nullopt;

    float high = rows.RowHighLimit[row][static_cast<std::size_t>(k)];
    float low = rows.RowLowLimit[row][static_cast<std::size_t>(k)];
    bool wholeNumbers = IsWholeNumberLimit(high);
    LeadingNumber typed = ReadLeadingNumber(text);
    if (!typed.overflow)
        text = PlainNumber(wholeNumbers ? std::floor(typed.value + 0.5) : typed.value);

    float scale = WeightScale(strip, field);
    double value = NumericValue(text);
    if (typed.overflow || !WithinLimits(value, scale * low, scale * high)) {
        float shownHigh = scale * (wholeNumbers ? std::floor(high) : high);
        return OutOfRangeMessage(field, text, scale * low, shownHigh);
    }
    return DiameterConflict(strip, field);
}

}  // namespace gyrant
