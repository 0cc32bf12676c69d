#pragma once

// What the tables say, for a terminal, a spreadsheet or another tool: the worksheet in every gear
// and, as JSON, every cell with where the weight goes.

#include <ostream>
#include <string>
#include <vector>

#include "analysis/every_gear.h"
#include "model/worksheet.h"

namespace gyrant {

// A number as JSON and CSV take it: the shortest text that reads back as the same double.
std::string JsonNumber(double value);
// Text as a JSON string, in UTF-8.
std::string JsonQuoted(const std::string& cell);

// One line per gear, the gear studied marked "*": aligned for reading, or CSV with plain numbers.
void WriteGearTable(const Worksheet& sheet, const std::vector<GearFigures>& gears, bool csv,
                    std::ostream& out);

// Every cell of both tables by column heading, the answer, where the weight goes (its answer in
// words with the run's seconds clause, when there is one) and every gear, in UTF-8.
void WriteJson(const Worksheet& sheet, const std::vector<GearFigures>& gears,
               const std::string& secondsClause, std::ostream& out);

}  // namespace gyrant
