#pragma once

// "Where the Weight Goes" on paper: the page header, the answer in words and the weight option,
// each part's figures in pounds and the totals, their chart, and the vehicles in the gears given
// with theirs, going on to new pages under the header again when it needs them.

#include <vector>

#include "analysis/every_gear.h"
#include "model/worksheet.h"
#include "ports/print_surface.h"
#include "report/page_header.h"

namespace gyrant {

inline constexpr const char* kWeightReportTitle = "Where the Weight Goes";

ReportResult PrintWeightReport(const Worksheet& sheet, PrintSurface& surface,
                               const ReportTime& when, const std::vector<GearFigures>& gears);

}  // namespace gyrant
