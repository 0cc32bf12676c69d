#include "timeslip/run_entries.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "text/cell_text.h"
#include "timeslip/torque_curve.h"

namespace gyrant {
namespace {

const EngineEntry& EngineEntryOf(const std::string& key) {
    return *std::ranges::find(EngineEntries(), key,
                              [](const EngineEntry& e) { return std::string(e.key); });
}

bool IsEngineEntry(const std::string& key) {
    return std::ranges::any_of(EngineEntries(),
                               [&key](const EngineEntry& e) { return key == e.key; });
}

const InputLimit* LimitKeyed(const std::string& key) {
    auto found = std::ranges::find(RunInputLimits(), key,
                                   [](const InputLimit& limit) { return std::string(limit.key); });
    return found == RunInputLimits().end() ? nullptr : &*found;
}

// A pair of figures joined by a mark: "350@5500" for a peak, "2000:300" for a curve's point.
std::optional<std::pair<double, double>> ReadPair(std::string_view text, char mark) {
    std::size_t at = text.find(mark);
    if (at == std::string_view::npos) return std::nullopt;
    std::optional<double> first = ReadFigure(std::string(TrimBlanks(text.substr(0, at))));
    std::optional<double> second = ReadFigure(std::string(TrimBlanks(text.substr(at + 1))));
    if (!first || !second) return std::nullopt;
    return std::pair{*first, *second};
}

Outcome NotInForm(const EngineEntry& entry, const std::string& text) {
    return Outcome::Failure(std::string(entry.name) + " takes " + entry.form + ", such as " +
                            entry.example + "; " + QuotedForMessage(text) + " is not.");
}

bool Within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

// A figure at an rpm ("350@5500", "2000:300") in its form and within the entry's limits, so that
// no typed or stored engine reaches the run with a figure it cannot use.
struct PairRead {
    std::optional<std::pair<double, double>> pair;  // the figure and its rpm
    Outcome outcome;
};

PairRead ReadEnginePair(const EngineEntry& entry, std::string_view text, const std::string& whole) {
    bool curve = entry.key == std::string_view(kTorqueCurveEntry);
    std::optional<std::pair<double, double>> read = ReadPair(text, curve ? ':' : '@');
    if (!read) return {std::nullopt, NotInForm(entry, whole)};
    auto [rpm, figure] = curve ? *read : std::pair{read->second, read->first};
    if (Within(figure, entry.low, entry.high) &&
        Within(rpm, kEngineRpmLimits.first, kEngineRpmLimits.second))
        return {std::pair{figure, rpm}, Outcome::Success()};
    std::ostringstream limits;
    limits << (curve ? "Each point of the torque curve" : entry.name) << " must be between "
           << entry.low << " and " << entry.high << ' ' << entry.unit << " at "
           << kEngineRpmLimits.first << " to " << kEngineRpmLimits.second << " rpm.";
    return {std::nullopt, Outcome::Failure(limits.str())};
}

struct PointsRead {
    std::vector<TorquePoint> points;
    Outcome outcome;
};

PointsRead ReadPoints(const std::string& text) {
    PointsRead read{{}, Outcome::Success()};
    std::string_view rest = text;
    while (!TrimBlanks(rest).empty()) {
        std::size_t comma = rest.find(',');
        PairRead point =
            ReadEnginePair(EngineEntryOf(kTorqueCurveEntry), rest.substr(0, comma), text);
        if (!point.outcome.ok) {
            read.outcome = point.outcome;
            return read;
        }
        read.points.push_back({point.pair->second, point.pair->first});
        rest = comma == std::string_view::npos ? "" : rest.substr(comma + 1);
    }
    return read;
}

struct EngineRead {
    EngineTorque engine;
    Outcome outcome;
    std::string refusedKey;
};

EngineRead ReadEngine(const RunEntries& entries) {
    EngineRead read{{}, Outcome::Success(), {}};
    if (auto curve = entries.find(kTorqueCurveEntry); curve != entries.end()) {
        PointsRead points = ReadPoints(curve->second);
        read.engine.points = points.points;
        read.outcome = points.outcome;
        read.refusedKey = kTorqueCurveEntry;
    } else {
        auto peak = [&entries](const char* key) {
            return ReadEnginePair(EngineEntryOf(key), entries.at(key), entries.at(key));
        };
        PairRead power = peak(kPowerEntry);
        PairRead torque = peak(kTorqueEntry);
        read.refusedKey = !power.outcome.ok ? kPowerEntry : kTorqueEntry;
        if (!power.outcome.ok || !torque.outcome.ok)
            return {{}, power.outcome.ok ? torque.outcome : power.outcome, read.refusedKey};
        read.engine.peaks = {power.pair->first, power.pair->second, torque.pair->first,
                             torque.pair->second};
    }
    if (read.outcome.ok) read.outcome = TorqueCurve::Of(read.engine).outcome;
    if (read.outcome.ok) read.refusedKey.clear();
    return read;
}

// Puts a typed number into the inputs.
void SetInput(RunInputs& in, RunInput input, double value) {
    switch (input) {
        case RunInput::ShiftRpm:
            in.shiftRpm = value;
            return;
        case RunInput::LaunchRpm:
            in.launchRpm = value;
            return;
        case RunInput::ShiftTime:
            in.shiftTime = value;
            return;
        case RunInput::Efficiency:
            in.efficiency = value;
            return;
        case RunInput::Grip:
            in.grip = value;
            return;
        case RunInput::RollingResistance:
            in.rollingResistance = value;
            return;
        case RunInput::DragArea:
            in.dragArea = value;
            return;
        case RunInput::AirDensity:
            in.airDensity = value;
            return;
        case RunInput::CgHeight:
            in.cgHeight = value;
            return;
        case RunInput::Wheelbase:
            in.wheelbase = value;
            return;
        case RunInput::DrivenShare:
            in.drivenShare = value;
            return;
        case RunInput::ConverterStallRatio:
            in.converterStallRatio = value;
            return;
        case RunInput::CouplingSpeedRatio:
            in.couplingSpeedRatio = value;
            return;
        case RunInput::LoadedRadiusFraction:
            in.loadedRadiusFraction = value;
            return;
    }
}

// A default as it would be typed: no trailing zeros ("0.002377", "3000").
std::string Plain(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

// The power peak's rpm of the engine the entries give; none when they give none that runs.
std::optional<double> PowerPeakRpm(const RunEntries& entries) {
    if (!EngineGiven(entries)) return std::nullopt;
    EngineRead read = ReadEngine(entries);
    if (!read.outcome.ok) return std::nullopt;
    return TorqueCurve::Of(read.engine).curve->PowerPeak().rpm;
}

std::string ShiftPlaceholder(const RunEntries& entries) {
    std::optional<double> peak = PowerPeakRpm(entries);
    if (!peak) return "power peak + 10%";
    char text[64];
    std::snprintf(text, sizeof text, "%.0f (power peak + 10%%)", 1.1 * *peak);
    return text;
}

}  // namespace

std::vector<EntryShown> EntriesShown() {
    std::vector<EntryShown> shown;
    for (const EngineEntry& entry : EngineEntries())
        shown.push_back({entry.key, std::string(entry.name) + " (" + entry.form + ")"});
    for (const InputLimit& limit : RunInputLimits()) {
        std::string unit = limit.unit;
        bool named = unit.empty() || std::string_view(limit.name).ends_with(unit);
        shown.push_back({limit.key, limit.name + (named ? "" : " (" + unit + ")")});
    }
    return shown;
}

std::string EntryPlaceholder(const std::string& key, const RunEntries& entries, VehicleKind kind) {
    if (IsEngineEntry(key)) {
        const EngineEntry& entry = EngineEntryOf(key);
        std::string example = std::string("such as ") + entry.example;
        return key == kTorqueCurveEntry ? "instead of the peaks, " + example : example;
    }
    const InputLimit* limit = LimitKeyed(key);
    if (!limit) return "";
    if (limit->input == RunInput::ShiftRpm) return ShiftPlaceholder(entries);
    std::optional<double> value = ValueOf(DefaultRunInputs(kind), limit->input);
    return value ? Plain(*value) : "not given: the static share alone";
}

const std::vector<EngineEntry>& EngineEntries() {
    static const std::vector<EngineEntry> kEntries = {
        {kPowerEntry, "Peak power", "HP@RPM", "350@5500", "hp", 1, 20000},
        {kTorqueEntry, "Peak torque", "LBFT@RPM", "380@4000", "lb-ft", 1, 20000},
        {kTorqueCurveEntry, "Torque curve", "RPM:LBFT, ...", "2000:300, 4000:380, 6000:330",
         "lb-ft", 0, 20000},
    };
    return kEntries;
}

std::optional<double> ReadFigure(const std::string& text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool EngineGiven(const RunEntries& entries) {
    return entries.contains(kTorqueCurveEntry) ||
           (entries.contains(kPowerEntry) && entries.contains(kTorqueEntry));
}

Outcome CheckEntry(const std::string& key, const std::string& text) {
    if (key == kTorqueCurveEntry) return ReadPoints(text).outcome;
    if (IsEngineEntry(key)) return ReadEnginePair(EngineEntryOf(key), text, text).outcome;
    const InputLimit* limit = LimitKeyed(key);
    if (!limit) return Outcome::Failure(QuotedForMessage(key) + " is not an input of the run.");
    std::optional<double> value = ReadFigure(std::string(TrimBlanks(text)));
    if (!value)
        return Outcome::Failure(std::string(limit->name) + " takes a number; " +
                                QuotedForMessage(text) + " is not.");
    return CheckInput(limit->input, *value);
}

RunInputsRead ReadRunEntries(const RunEntries& entries, VehicleKind kind) {
    RunInputsRead read{DefaultRunInputs(kind), Outcome::Success(), {}};
    for (const auto& [key, text] : entries) {
        if (IsEngineEntry(key)) continue;
        read.outcome = CheckEntry(key, text);
        if (!read.outcome.ok) {
            read.refusedKey = key;
            return read;
        }
        SetInput(read.inputs, LimitKeyed(key)->input, *ReadFigure(std::string(TrimBlanks(text))));
    }
    if (!EngineGiven(entries)) {
        read.outcome = Outcome::Failure(
            "A time slip needs the engine: give its peak power and peak torque, or its torque "
            "curve.");
        return read;
    }
    EngineRead engine = ReadEngine(entries);
    read.inputs.engine = engine.engine;
    read.outcome = engine.outcome;
    read.refusedKey = engine.refusedKey;
    return read;
}

}  // namespace gyrant
