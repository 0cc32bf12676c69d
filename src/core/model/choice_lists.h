#pragma once

// The lists the choice cells of the spec tables choose from; a choice cell ends with the
// position of its item in its list.

#include <string>
#include <vector>

namespace gyrant {

// The Value choices of a choice row (2 vehicle type, 6 converter, 12 engine); empty for others.
std::vector<std::string> ValueChoices(int row);

// The Material choices of a component row: "Use Wt" and the materials, or "Tire" on tire rows.
std::vector<std::string> MaterialChoices(int row);

}  // namespace gyrant
