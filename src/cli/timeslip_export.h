#pragma once

// gyrant-calc's time slips: the run's options as typed, read over the defaults of the vehicle's
// kind, and both slips, the difference and each part's seconds bought, as text or JSON.

#include <optional>
#include <ostream>
#include <string>

#include "outcome.h"
#include "timeslip/parts_time_bought.h"
#include "timeslip/run_inputs.h"
#include "timeslip/time_slip.h"

namespace gyrant {

// The run's options as typed.
struct SlipOptions {
    std::optional<std::string> power;   // HP@RPM
    std::optional<std::string> torque;  // LBFT@RPM
    std::optional<std::string> shift;
    std::optional<std::string> launch;
    std::optional<std::string> grip;
    bool Any() const { return power || torque || shift || launch || grip; }
};

// Keeps the value of a run option; false when the argument names none.
bool TakeSlipOption(const std::string& argument, const std::string& value, SlipOptions& options);

struct SlipInputsRead {
    RunInputs inputs;
    Outcome outcome;
};

// The defaults for the kind of vehicle with the options over them; refused, naming the option,
// without both power and torque, or with a value that is not a figure or is outside its limits.
SlipInputsRead ReadSlipInputs(const SlipOptions& options, VehicleKind kind);

// Both slips side by side with what they say of the gears, the difference, the parts' seconds
// bought (when there are two vehicles) and what the estimate assumes.
void WriteSlipText(const TimeSlips& slips, const std::string& gearsNote,
                   const PartsTimeBought* parts, std::ostream& out);

// {"timeslip": {"baseline", "proposed", "difference", "parts"}}, nothing rounded; null for what
// one vehicle does not have.
void WriteSlipJson(const TimeSlips& slips, const PartsTimeBought* parts, std::ostream& out);

}  // namespace gyrant
