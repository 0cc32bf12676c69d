#include "analysis_export.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>

#include "analysis/weight_shares.h"
#include "text/windows1252.h"

namespace gyrant {

std::string JsonNumber(double value) {
    char text[32];
    auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::string JsonQuoted(const std::string& cell) {
    std::string quoted = "\"";
    for (char c : Utf8Text(cell)) {
        if (c == '"' || c == '\\') {
            quoted += '\\', quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

namespace {

void WriteShare(const WeightShare& share, bool twoVehicles, std::ostream& out) {
    out << "{\"part\": " << JsonQuoted(share.part)
        << ", \"baseline\": " << JsonNumber(share.baseline);
    if (twoVehicles)
        out << ", \"proposed\": " << JsonNumber(share.proposed)
            << ", \"saving\": " << JsonNumber(share.Saving());
    out << '}';
}

void WriteTables(const Worksheet& sheet, std::ostream& out) {
    out << "  \"tables\": [";
    for (int index : {kBaseline, kProposed}) {
        const SpecTable& table = sheet.Table(index);
        out << (index == kBaseline ? "\n" : ",\n")
            << "    {\"vehicle\": " << JsonQuoted(VehicleName(index)) << ", \"rows\": [";
        for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
            out << (row == kFirstSpecRow ? "\n" : ",\n") << "      {";
            for (int column = 0; column < table.ColumnCount(); ++column)
                out << (column ? ", " : "") << JsonQuoted(std::string(ColumnHeading(column)))
                    << ": " << JsonQuoted(table.Text(row, column));
            out << '}';
        }
        out << "]}";
    }
    out << "\n  ],\n";
}

void WriteWeightShares(const WeightShares& shares, const std::string& secondsClause,
                       std::ostream& out) {
    out << "  \"whereTheWeightGoes\": {\n    \"answer\": "
        << JsonQuoted(PlainAnswer(shares, secondsClause))
        << ",\n    \"weightsAdded\": " << (shares.weightsAdded ? "true" : "false")
        << ",\n    \"parts\": [";
    for (std::size_t i = 0; i < shares.parts.size(); ++i) {
        out << (i ? ",\n      " : "\n      ");
        WriteShare(shares.parts[i], shares.twoVehicles, out);
    }
    out << "\n    ],\n    \"rotatingTotal\": ";
    WriteShare(shares.rotatingTotal, shares.twoVehicles, out);
    out << ",\n    \"vehicleTotal\": ";
    WriteShare(shares.vehicleTotal, shares.twoVehicles, out);
    out << "\n  },\n";
}

// The answer as figures, with nothing rounded; null with one vehicle, which has nothing to
// compare.
void WriteAnswer(const WeightShares& shares, std::ostream& out) {
    out << "  \"answer\": ";
    if (!shares.twoVehicles) {
        out << "null,\n";
        return;
    }
    out << "{\n    \"effectiveWeightSaving\": " << JsonNumber(shares.vehicleTotal.Saving())
        << ",\n    \"accelerationGainPercent\": " << JsonNumber(AnswerGainPercent(shares))
        << ",\n    \"proposedVehicleWeightUsed\": " << JsonNumber(shares.proposedVehicleWeightUsed)
        << ",\n    \"adjusted\": " << (shares.adjusted ? "true" : "false") << ",\n    \"parts\": [";
    for (std::size_t i = 0; i < shares.parts.size(); ++i)
        out << (i ? ",\n      " : "\n      ") << "{\"row\": " << shares.parts[i].row
            << ", \"description\": " << JsonQuoted(shares.parts[i].part)
            << ", \"saving\": " << JsonNumber(shares.parts[i].Saving()) << '}';
    out << "\n    ]\n  },\n";
}

}  // namespace

void WriteGearTable(const Worksheet& sheet, const std::vector<GearFigures>& gears, bool csv,
                    std::ostream& out) {
    bool two = sheet.document.TwoVehicles == 1;
    std::vector<std::vector<std::string>> lines = {GearColumnHeadings(two)};
    for (std::size_t g = 0; g < gears.size(); ++g) {
        std::vector<std::string>& line = lines.emplace_back();
        line.push_back(GearLabel(g, gears[g]));
        for (double value : GearColumnValues(gears[g], two))
            line.push_back(csv ? JsonNumber(value) : Figure(value));
    }
    std::vector<std::size_t> widths(lines[0].size(), 0);
    for (const auto& line : lines)
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0) out << (csv ? "," : "  ");
            if (!csv) out << std::string(widths[i] - line[i].size(), ' ');
            out << line[i];
        }
        out << '\n';
    }
}

void WriteJson(const Worksheet& sheet, const std::vector<GearFigures>& gears,
               const std::string& secondsClause, std::ostream& out) {
    bool two = sheet.document.TwoVehicles == 1;
    out << "{\n  \"twoVehicles\": " << (two ? "true" : "false") << ",\n";
    WriteTables(sheet, out);
    WeightShares shares = ShareOfEachPart(sheet);
    WriteAnswer(shares, out);
    WriteWeightShares(shares, secondsClause, out);
    out << "  \"gears\": [";
    std::vector<std::string> headings = GearColumnHeadings(two);
    for (std::size_t g = 0; g < gears.size(); ++g) {
        std::vector<double> values = GearColumnValues(gears[g], two);
        out << (g ? ",\n    {" : "\n    {")
            << "\"Studied\": " << (gears[g].studied ? "true" : "false");
        for (std::size_t i = 0; i < values.size(); ++i)
            out << ", " << JsonQuoted(headings[i + 1]) << ": " << JsonNumber(values[i]);
        out << '}';
    }
    out << "\n  ]\n}\n";
}

}  // namespace gyrant
