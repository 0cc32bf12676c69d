#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/worksheet.h"
#include "outcome.h"

namespace gyrant {

// Writes the printed report of the worksheet, without a report comment, to a PDF file. The
// printing lives in the module "gyrant-pdf.so" (beside the program, or in lib/gyrant when it is
// installed), loaded only for a report so
// that a plain recalculation starts without the windowing libraries. The answer tells the
// seconds of the worksheet's run over `runRatios`.
Outcome WritePdfReport(const Worksheet& sheet, const std::string& path,
                       const std::vector<double>& runRatios,
                       const std::filesystem::path& programFolder);

}  // namespace gyrant
