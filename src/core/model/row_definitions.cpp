#include "model/row_definitions.h"

#include "text/cell_text.h"
#include "text/input_file.h"
#include "text/line_reader.h"
#include "text/windows1252.h"

namespace gyrant {
namespace {

// Reads one row's record; false when the file ends before the record does.
bool ReadRecord(LineReader& reader, RowDefinitions& defs, int row) {
    std::string description, help, kind, calcKind;
    if (!reader.ReadLine(description) || !reader.ReadLine(help) || !reader.ReadLine(kind) ||
        !reader.ReadLine(calcKind))
        return false;
    defs.RowDescription[row] = TrimBlanks(description);
    defs.RowHelp[row] = help;
    defs.RowKind[row] = static_cast<int16_t>(RoundToInteger(NumericValue(kind)));
    defs.RowCalcKind[row] = static_cast<int16_t>(RoundToInteger(NumericValue(calcKind)));
    for (std::size_t k = 0; k < kLimitInputs; ++k) {
        std::string high, low;
        if (!reader.ReadField(high) || !reader.ReadField(low)) return false;
        defs.RowHighLimit[row][k] = static_cast<float>(NumericValue(high));
        defs.RowLowLimit[row][k] = static_cast<float>(NumericValue(low));
    }
    return true;
}

// A limit as the row definitions write it: a single-precision number taken at its own
// precision, so that 0.4 typed against a limit of .4 is the limit itself.
double AsWritten(float limit) {
    return NumericValue(GeneralFormSingle(limit));
}

}  // namespace

RowDefinitionsRead ReadRowDefinitions(const std::filesystem::path& path) {
    RowDefinitionsRead result;
    InputFile in(path);
    if (!in) {
        result.outcome = Outcome::Failure(MissingFileMessage("row definition", path));
        return result;
    }
    LineReader reader(in);
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
        if (!ReadRecord(reader, result.definitions, row)) {
            result.outcome = Outcome::Failure(
                "The row definition file " + FileNameText(path.string()) + " ends before row " +
                std::to_string(row) + " is complete; it must describe rows 1 to 31.");
            return result;
        }
    }
    return result;
}

bool WithinLimits(double value, float low, float high) {
    return value >= AsWritten(low) && value <= AsWritten(high);
}

}  // namespace gyrant
