#pragma once

// The run's inputs as a user types them and a worksheet keeps them, each by its name: the
// engine's two peaks ("350@5500"), a typed torque curve ("2000:300, 4000:380") and each number
// of RunInputLimits under its key. What is not typed takes its default for the kind of vehicle.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "outcome.h"
#include "timeslip/run_inputs.h"

namespace gyrant {

using RunEntries = std::map<std::string, std::string>;

inline constexpr const char* kPowerEntry = "power";
inline constexpr const char* kTorqueEntry = "torque";
inline constexpr const char* kTorqueCurveEntry = "torque-curve";

// What an engine entry is called where it is typed, and the form it takes.
struct EngineEntry {
    const char* key;
    const char* name;  // "Peak power"
    const char* form;  // "HP@RPM"
    const char* example;
    const char* unit;  // of the figure before the rpm
    double low;        // the figure's limits; every rpm is within kEngineRpmLimits
    double high;
};
inline constexpr std::pair<double, double> kEngineRpmLimits{100, 20000};
const std::vector<EngineEntry>& EngineEntries();

// Every entry where it is typed, the engine's first: its key, and its name with its unit or form
// ("Peak power (HP@RPM)", "Shift time (s)", "Grip").
struct EntryShown {
    std::string key;
    std::string label;
};
std::vector<EntryShown> EntriesShown();

// What an empty entry stands for, shown in its empty field: the default for the kind of vehicle,
// the shift rpm 10% past the power peak (with its figure once the engine is given), or the form
// of an engine entry with an example.
std::string EntryPlaceholder(const std::string& key, const RunEntries& entries, VehicleKind kind);

// Whether the engine is given, by both peaks or by a curve, so that a run can be made.
bool EngineGiven(const RunEntries& entries);

// One entry as typed, for the usual warning where it is typed: a figure within its limits, peaks
// in their form, or a curve's points; a key not known here is refused.
Outcome CheckEntry(const std::string& key, const std::string& text);

struct RunInputsRead {
    RunInputs inputs;
    Outcome outcome;
    std::string refusedKey;  // the entry the outcome speaks of, when it failed on one
};

// The defaults for the kind of vehicle with the entries over them; refused, naming the entry,
// when the engine is not given or cannot make a torque curve, or an entry is refused.
RunInputsRead ReadRunEntries(const RunEntries& entries, VehicleKind kind);

// The whole text as one number; nothing when anything else is there.
std::optional<double> ReadFigure(const std::string& text);

}  // namespace gyrant
