#pragma once

// What every printed page starts with and how a printed document ends, for the report and the
// Where the Weight Goes print alike.

#include <string>

#include "model/worksheet.h"
#include "outcome.h"
#include "ports/print_surface.h"

namespace gyrant {

// The moment the report is printed, as its header shows it.
struct ReportTime {
    std::string date;
    std::string time;  // "h:mm:ss am/pm"
};

enum class ReportEnd {
    Printed,
    Failed,  // the printer could not take it; the message says why
};

struct ReportResult {
    ReportEnd end = ReportEnd::Printed;
    std::string message;
};

// The program and its maker, the date, the file, the time, what is printed and the page
// number, in the header's font size from `left`; the print position ends under it.
void PrintPageHeader(PrintSurface& surface, const Worksheet& sheet, const ReportTime& when,
                     const std::string& title, double left);

// Hands the document to the printer; a failure says why.
ReportResult EndReport(PrintSurface& surface);

}  // namespace gyrant
