#include "timeslip_export.h"

#include <algorithm>
#include <cstdio>

#include "analysis_export.h"
#include "timeslip/slip_text.h"

namespace gyrant {
namespace {

// The value with so many decimals, right-aligned in at least the width given.
std::string Formatted(double value, int decimals, int width = 0) {
    char text[48];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

void WriteParts(const PartsTimeBought& parts, std::ostream& out) {
    out << "\nSeconds bought in the 1/4 mile by each part\n";
    for (const PartTimeBought& part : parts.parts)
        out << "  " << Formatted(part.row, 0, 5) << "  " << part.description
            << std::string(part.description.size() < 24 ? 24 - part.description.size() : 1, ' ')
            << Formatted(part.secondsBought, 3, 7) << " s\n";
    out << "  " << PartsSumSentence(parts) << '\n';
}

void WriteSlipJsonFigures(const TimeSlip& slip, std::ostream& out) {
    const char* separator = "{";
    for (const SlipMarkShown& mark : SlipMarksShown()) {
        std::optional<double> value = FigureOf(slip, mark);
        out << separator << '"' << mark.key << "\": " << (value ? JsonNumber(*value) : "null");
        separator = ", ";
    }
    out << '}';
}

}  // namespace

bool TakeSlipOption(const std::string& argument, const std::string& value, RunEntries& typed) {
    if (!argument.starts_with("--")) return false;
    std::string key = argument.substr(2);
    bool known = std::ranges::any_of(EngineEntries(), [&key](auto& e) { return key == e.key; }) ||
                 std::ranges::any_of(RunInputLimits(), [&key](auto& l) { return key == l.key; });
    if (known) typed[key] = value;
    return known;
}

RunEntries SlipEntries(const RunEntries& stored, const RunEntries& typed) {
    RunEntries entries = stored;
    // Peaks typed replace a stored curve, which would otherwise be taken before them.
    if (typed.contains(kPowerEntry) || typed.contains(kTorqueEntry))
        entries.erase(kTorqueCurveEntry);
    for (const auto& [key, text] : typed) entries[key] = text;
    return entries;
}

Outcome SlipRefusal(const StripRun& run, const RunEntries& entries, const RunEntries& typed) {
    if (run.outcome.ok) return run.outcome;
    if (!EngineGiven(entries))
        return Outcome::Failure(
            "A time slip needs the engine's power: give --power HP@RPM and --torque LBFT@RPM.");
    const std::string& key = run.read.refusedKey;
    if (run.read.outcome.ok || !typed.contains(key)) return run.outcome;
    // Peaks that are each in form but make no curve together are the pair's fault.
    bool pair = (key == kPowerEntry || key == kTorqueEntry) && CheckEntry(key, entries.at(key)).ok;
    return Outcome::Failure((pair ? std::string("--power and --torque") : "--" + key) + ": " +
                            run.outcome.message);
}

void WriteSlipText(const TimeSlips& slips, const std::string& gearsNote,
                   const PartsTimeBought* parts, std::ostream& out) {
    out << "Time slip (estimate)   Baseline" << (slips.slips.size() > 1 ? "   Proposed" : "")
        << '\n';
    for (const SlipMarkShown& mark : SlipMarksShown()) {
        out << mark.label << std::string(22 - std::string(mark.label).size(), ' ');
        for (const TimeSlip& slip : slips.slips) {
            std::string cell = SlipCell(slip, mark);
            out << std::string(11 - cell.size(), ' ') << cell;
        }
        out << '\n';
    }
    if (!gearsNote.empty()) out << gearsNote << '\n';
    if (slips.difference) out << '\n' << DifferenceSentence(*slips.difference) << '\n';
    if (parts) WriteParts(*parts, out);
    out << '\n' << EstimateNote() << '\n';
}

void WriteSlipJson(const TimeSlips& slips, const PartsTimeBought* parts, std::ostream& out) {
    out << "{\n  \"timeslip\": {\n    \"baseline\": ";
    WriteSlipJsonFigures(slips.slips.front(), out);
    out << ",\n    \"proposed\": ";
    if (slips.slips.size() > 1)
        WriteSlipJsonFigures(slips.slips.back(), out);
    else
        out << "null";
    out << ",\n    \"difference\": ";
    if (slips.difference)
        out << "{\"seconds\": " << JsonNumber(slips.difference->seconds)
            << ", \"feetAhead\": " << JsonNumber(slips.difference->feetAhead) << '}';
    else
        out << "null";
    out << ",\n    \"parts\": [";
    for (std::size_t i = 0; parts && i < parts->parts.size(); ++i)
        out << (i ? ",\n      " : "\n      ") << "{\"row\": " << parts->parts[i].row
            << ", \"description\": " << JsonQuoted(parts->parts[i].description)
            << ", \"secondsBought\": " << JsonNumber(parts->parts[i].secondsBought) << '}';
    out << "\n    ]\n  }\n}\n";
}

}  // namespace gyrant
