#include "report/print_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinterInfo>
#include <QScreen>

#include "report/fit_to_page.h"
#include "report/pdf_document.h"
#include "report/printed_report.h"
#include "report/qt_print_surface.h"
#include "report/weight_report.h"
#include "text/cell_codec.h"
#include "timeslip/strip_run.h"
#include "wait_cursor.h"

namespace gyrant {
namespace {

bool HasPrinter() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

}  // namespace

PrintCommands::PrintCommands(Worksheet& sheet, Dialogs& dialogs, QWidget* parent)
    : m_sheet(sheet), m_dialogs(dialogs), m_parent(parent) {}

bool PrintCommands::ChooseTarget(const std::string& name, std::string_view report) {
    bool pdfChosen =
        Printer().outputFormat() == QPrinter::PdfFormat && !Printer().outputFileName().isEmpty();
    if (HasPrinter() && (Printer().outputFormat() == QPrinter::NativeFormat || pdfChosen))
        return true;
    std::optional<std::string> path =
        m_dialogs.ChooseSaveFile(PdfFileChooser(m_sheet, name, report));
    if (!path) return false;
    Printer().setOutputFormat(QPrinter::PdfFormat);
    Printer().setOutputFileName(FromPath(*path));
    return true;
}

QPrinter& PrintCommands::Printer() {
    // Made at the first print: a printer asks the print system for its printers, which would
    // slow every start.
    if (!m_printer) m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

QString PrintCommands::TargetName() {
    if (Printer().outputFormat() == QPrinter::PdfFormat)
        return QFileInfo(Printer().outputFileName()).absoluteFilePath();
    return Printer().printerName();
}

void PrintCommands::Fail(const std::string& message) {
    m_dialogs.ShowMessage({message, "Print Failed", Buttons::Ok, Icon::Critical, Answer::Ok});
}

std::unique_ptr<PdfDocument> PrintCommands::PdfTarget() {
    if (Printer().outputFormat() != QPrinter::PdfFormat) return nullptr;
    return std::make_unique<PdfDocument>(Printer().pageLayout());
}

std::filesystem::path PrintCommands::PdfPath() {
    return QFile::encodeName(Printer().outputFileName()).toStdString();
}

void PrintCommands::SavePdf(const PdfDocument& pdf) {
    Outcome saved = pdf.Save(PdfPath());
    if (!saved.ok) Fail(saved.message);
}

void PrintCommands::PrintWorksheet() {
    // Every question comes before the wait: the comment, the page's turn, then the PDF file.
    QRectF page = Printer().pageLayout().paintRect();
    std::optional<std::string> comment = AskReportComment(m_dialogs, page.width() > page.height());
    if (!comment || !ChooseTarget(m_sheet.file.DisplayName)) return;
    Outcome printed = PrintOnTarget([this, &comment](PrintSurface& surface) {
        return PrintReportWithComment(m_sheet, surface, *comment, ReportTimeNow(),
                                      KeptGearRatios(m_sheet));
    });
    if (!printed.ok) Fail(printed.message);
}

void PrintCommands::PrintWeightShares(const std::vector<GearFigures>& gears) {
    if (!ChooseTarget(m_sheet.file.DisplayName, kWeightReportTitle)) return;
    Outcome printed = PrintOnTarget([this, &gears](PrintSurface& surface) {
        return PrintWeightReport(m_sheet, surface, ReportTimeNow(), gears);
    });
    if (!printed.ok) Fail(printed.message);
}

Outcome PrintCommands::PrintOnTarget(const std::function<ReportResult(PrintSurface&)>& print) {
    WaitCursor wait;  // while the pages are made and handed on
    std::unique_ptr<PdfDocument> pdf = PdfTarget();
    ReportResult result;
    {
        QtPrintSurface surface(pdf ? pdf->Writer() : static_cast<QPagedPaintDevice&>(Printer()),
                               TargetName());
        result = print(surface);
    }
    if (result.end == ReportEnd::Failed) return Outcome::Failure(result.message);
    return pdf ? pdf->Save(PdfPath()) : Outcome::Success();
}

void PrintCommands::PrintSetup() {
    // Paper, orientation and margins, kept for the next print whether it goes to a printer or
    // into a PDF file.
    QPageSetupDialog dialog(&Printer(), m_parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.exec();
}

QImage CaptureWindowImage(QWidget* window) {
    // The window system gives the frame and the window paints its own contents, so that nothing
    // that stood over it a moment ago (the box just answered) gets into the picture.
    QImage contents = window->grab().toImage();
    QScreen* screen = window->screen();
    QRect frame = window->frameGeometry();
    if (!screen || QGuiApplication::platformName() == QStringLiteral("offscreen") ||
        frame.size() == window->size())
        return contents;
    QImage shot =
        screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
    if (shot.isNull()) return contents;
    QPainter painter(&shot);
    painter.drawImage(window->geometry().topLeft() - frame.topLeft(), contents);
    return shot;
}

namespace {

// Paints the picture as large as the page allows, the page turned the picture's way.
bool PaintPicture(QPagedPaintDevice& device, const QImage& image) {
    device.setPageOrientation(PrintsInLandscape(image.width(), image.height())
                                  ? QPageLayout::Landscape
                                  : QPageLayout::Portrait);
    std::optional<PrintedSize> size =
        FitToPage(image.width(), image.height(), device.width(), device.height());
    QPainter painter;
    if (!size || !painter.begin(&device)) return false;
    painter.drawImage(QRectF(0, 0, size->width, size->height), image);
    return painter.end();
}

}  // namespace

void PrintCommands::PrintWindowImage(QWidget* window) {
    QImage image = CaptureWindowImage(window);
    if (image.isNull()) return Fail("The window's picture has no size to print.");
    if (!ChooseTarget(ToCell(window->windowTitle()))) return;
    std::unique_ptr<PdfDocument> pdf = PdfTarget();
    // The report goes on in the orientation the user chose, whatever the picture needed.
    QPageLayout chosen = Printer().pageLayout();
    bool painted =
        PaintPicture(pdf ? pdf->Writer() : static_cast<QPagedPaintDevice&>(Printer()), image);
    Printer().setPageLayout(chosen);
    if (!painted)
        return Fail(
            ToCell(QStringLiteral("The picture could not be printed on %1.").arg(TargetName())));
    if (pdf) SavePdf(*pdf);
}

}  // namespace gyrant
