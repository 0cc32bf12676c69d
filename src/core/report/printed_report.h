#pragma once

// The printed report "Calculated Test Results": a page header, the file comments and the spec
// tables as shown, with the columns in the proportions of the screen's. What does not fit on a
// page goes on to the next, under the header again.

#include <optional>
#include <string>
#include <string_view>

#include "model/worksheet.h"
#include "outcome.h"
#include "ports/dialogs.h"
#include "ports/print_surface.h"
#include "report/page_header.h"

namespace gyrant {

// Asks what the report needs before anything is printed or a file is named: the comment, then,
// on a page wider than high, whether to stop and turn it. The comment trimmed of blanks, or
// nothing when the user stops.
std::optional<std::string> AskReportComment(Dialogs& dialogs, bool wideAsked);

// The chooser of the PDF file a print goes into when the machine has no printer: a name after
// what is printed and the report it is (none for the worksheet's own), in the worksheets' folder.
FileChooser PdfFileChooser(const Worksheet& sheet, const std::string& printedName,
                           std::string_view report = {});

// Prints the report with a given comment on a page of any shape, without asking anything; the
// answer under the tables tells the seconds of the worksheet's run over `runRatios`.
ReportResult PrintReportWithComment(const Worksheet& sheet, PrintSurface& surface,
                                    const std::string& comment, const ReportTime& when,
                                    const std::vector<double>& runRatios);

// Chooses the report font among the printer's fonts; returns the name in force afterwards.
std::string ChoosePrinterFont(PrintSurface& surface);

}  // namespace gyrant
