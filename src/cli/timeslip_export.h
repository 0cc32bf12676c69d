#pragma once

// gyrant-calc's time slips: the run's options as typed, read over the inputs stored with the
// worksheet, and both slips, the difference and each part's seconds bought, as text or JSON.

#include <optional>
#include <ostream>
#include <string>

#include "outcome.h"
#include "timeslip/parts_time_bought.h"
#include "timeslip/run_entries.h"
#include "timeslip/strip_run.h"
#include "timeslip/time_slip.h"

namespace gyrant {

// Keeps the value of a run option ("--grip 1.2" as the entry "grip"); false when the argument
// names none.
bool TakeSlipOption(const std::string& argument, const std::string& value, RunEntries& typed);

// The inputs stored with the worksheet with the options typed over them.
RunEntries SlipEntries(const RunEntries& stored, const RunEntries& typed);

// Why the run was refused, naming the option when one was typed for the entry refused; success
// when it was not.
Outcome SlipRefusal(const StripRun& run, const RunEntries& entries, const RunEntries& typed);

// Both slips side by side with what they say of the gears, the difference, the parts' seconds
// bought (when there are two vehicles) and what the estimate assumes.
void WriteSlipText(const TimeSlips& slips, const std::string& gearsNote,
                   const PartsTimeBought* parts, std::ostream& out);

// {"timeslip": {"baseline", "proposed", "difference", "parts"}}, nothing rounded; null for what
// one vehicle does not have.
void WriteSlipJson(const TimeSlips& slips, const PartsTimeBought* parts, std::ostream& out);

}  // namespace gyrant
