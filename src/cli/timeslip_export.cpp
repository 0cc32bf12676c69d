#include "timeslip_export.h"

#include <charconv>
#include <cstdio>

#include "analysis_export.h"
#include "timeslip/slip_text.h"

namespace gyrant {
namespace {

// The whole text as one number; nothing when anything else is there.
std::optional<double> ReadFigure(const std::string& text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

struct PeakRead {
    double figure = 0;
    double rpm = 0;
    Outcome outcome;
};

PeakRead ReadPeak(const std::string& option, const std::string& form, const std::string& text) {
    std::size_t at = text.find('@');
    std::optional<double> figure = ReadFigure(text.substr(0, at));
    std::optional<double> rpm =
        at == std::string::npos ? std::nullopt : ReadFigure(text.substr(at + 1));
    if (!figure || !rpm)
        return {0, 0,
                Outcome::Failure(option + " takes " + form + ", such as " +
                                 (option == "--power" ? "350@5500" : "380@4000") + "; \"" + text +
                                 "\" is not.")};
    return {*figure, *rpm, Outcome::Success()};
}

// A number typed for one of the run's inputs, within its limits.
Outcome ReadInput(const std::string& option, const std::string& text, RunInput input,
                  double& into) {
    std::optional<double> value = ReadFigure(text);
    if (!value) return Outcome::Failure(option + " takes a number; \"" + text + "\" is not.");
    Outcome checked = CheckInput(input, *value);
    if (!checked.ok) return Outcome::Failure(option + ": " + checked.message);
    into = *value;
    return checked;
}

// The value with so many decimals, right-aligned in at least the width given.
std::string Formatted(double value, int decimals, int width = 0) {
    char text[48];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

std::string Cell(std::optional<double> value, bool mph) {
    return value ? Formatted(*value, mph ? 2 : 3) : "-";
}

void WriteParts(const PartsTimeBought& parts, std::ostream& out) {
    out << "\nSeconds bought in the 1/4 mile by each part\n";
    for (const PartTimeBought& part : parts.parts)
        out << "  " << Formatted(part.row, 0, 5) << "  " << part.description
            << std::string(part.description.size() < 24 ? 24 - part.description.size() : 1, ' ')
            << Formatted(part.secondsBought, 3, 7) << " s\n";
    out << "  Parts' sum " << Formatted(parts.partsSum, 3) << " s";
    if (std::optional<double> percent = parts.SumPercentOfWhole())
        out << ", " << Formatted(*percent, 0) << " % of the whole difference";
    out << ".\n";
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

bool TakeSlipOption(const std::string& argument, const std::string& value, SlipOptions& options) {
    for (auto [name, field] : {std::pair{"--power", &SlipOptions::power},
                               {"--torque", &SlipOptions::torque},
                               {"--shift", &SlipOptions::shift},
                               {"--launch", &SlipOptions::launch},
                               {"--grip", &SlipOptions::grip}}) {
        if (argument != name) continue;
        options.*field = value;
        return true;
    }
    return false;
}

SlipInputsRead ReadSlipInputs(const SlipOptions& options, VehicleKind kind) {
    SlipInputsRead read{DefaultRunInputs(kind), Outcome::Success()};
    if (!options.power || !options.torque) {
        read.outcome = Outcome::Failure(
            "A time slip needs the engine's power: give --power HP@RPM and --torque LBFT@RPM.");
        return read;
    }
    PeakRead power = ReadPeak("--power", "HP@RPM", *options.power);
    PeakRead torque = ReadPeak("--torque", "LBFT@RPM", *options.torque);
    read.outcome = !power.outcome.ok ? power.outcome : torque.outcome;
    if (!read.outcome.ok) return read;
    read.inputs.engine.peaks = {power.figure, power.rpm, torque.figure, torque.rpm};
    if (Outcome curve = TorqueCurve::FromPeaks(read.inputs.engine.peaks).outcome; !curve.ok) {
        read.outcome = Outcome::Failure("--power and --torque: " + curve.message);
        return read;
    }
    if (options.shift) {
        double shift = 0;
        read.outcome = ReadInput("--shift", *options.shift, RunInput::ShiftRpm, shift);
        read.inputs.shiftRpm = shift;
    }
    if (read.outcome.ok && options.launch)
        read.outcome =
            ReadInput("--launch", *options.launch, RunInput::LaunchRpm, read.inputs.launchRpm);
    if (read.outcome.ok && options.grip)
        read.outcome = ReadInput("--grip", *options.grip, RunInput::Grip, read.inputs.grip);
    return read;
}

void WriteSlipText(const TimeSlips& slips, const std::string& gearsNote,
                   const PartsTimeBought* parts, std::ostream& out) {
    out << "Time slip (estimate)   Baseline" << (slips.slips.size() > 1 ? "   Proposed" : "")
        << '\n';
    for (const SlipMarkShown& mark : SlipMarksShown()) {
        out << mark.label << std::string(22 - std::string(mark.label).size(), ' ');
        for (const TimeSlip& slip : slips.slips) {
            std::string cell = Cell(FigureOf(slip, mark), mark.mph);
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
