#pragma once

// Print, Print Setup and the printing of a window's picture. With a printer on the machine they
// print on it; without one they write a PDF file the user names.

#include <QPrinter>
#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>

#include "analysis/every_gear.h"
#include "model/worksheet.h"
#include "ports/dialogs.h"
#include "report/pdf_document.h"
#include "report/printed_report.h"

namespace gyrant {

class PrintCommands {
  public:
    PrintCommands(Worksheet& sheet, Dialogs& dialogs, QWidget* parent);

    // Asks for the report comment and then, with no printer, for the PDF file; then prints.
    void PrintWorksheet();
    // Prints where the weight goes: the answer, the parts' bars and their figures, and the
    // vehicles in the gears given.
    void PrintWeightShares(const std::vector<GearFigures>& gears);
    // Lets the user choose the paper, orientation and margins for the next print.
    void PrintSetup();
    // Prints a window's picture as large as the page allows.
    void PrintWindowImage(QWidget* window);

    // The printer the next print goes to, with the page set up for it.
    QPrinter& Printer();

  private:
    // Makes the printer ready: the chosen printer, or a PDF file the user names. False on cancel.
    bool ChooseTarget(const std::string& name, std::string_view report = {});
    QString TargetName();
    // A PDF to paint on when the print goes into a PDF file; nothing when it goes to a printer.
    std::unique_ptr<PdfDocument> PdfTarget();
    std::filesystem::path PdfPath();
    void SavePdf(const PdfDocument& pdf);
    // Prints the report, under the wait cursor, on the printer or into the PDF file chosen.
    // Prints on the chosen printer or into the PDF, under the wait cursor.
    Outcome PrintOnTarget(const std::function<ReportResult(PrintSurface&)>& print);
    void Fail(const std::string& message);

    Worksheet& m_sheet;
    Dialogs& m_dialogs;
    QWidget* m_parent;
    std::unique_ptr<QPrinter> m_printer;
};

// The picture of a window, with its frame where the window system gives one.
QImage CaptureWindowImage(QWidget* window);

}  // namespace gyrant
