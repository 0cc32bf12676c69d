#pragma once

// The entry point of the module "gyrant-pdf.so" that writes printed reports as PDF files.

#include <string>

#include "model/worksheet.h"

namespace gyrant {

using PdfReportWriter = bool (*)(const Worksheet& sheet, const char* path, std::string& message);
inline constexpr const char* kPdfReportWriterName = "GyrantWritePdfReport";

}  // namespace gyrant
