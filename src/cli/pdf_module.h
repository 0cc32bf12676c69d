#pragma once

// The entry point of the module "gyrant-pdf.so" that writes printed reports as PDF files.

#include <string>
#include <vector>

#include "model/worksheet.h"

namespace gyrant {

// `runRatios`: the gears of the run whose seconds the answer tells.
using PdfReportWriter = bool (*)(const Worksheet& sheet, const char* path,
                                 const std::vector<double>& runRatios, std::string& message);
inline constexpr const char* kPdfReportWriterName = "GyrantWritePdfReport";

}  // namespace gyrant
