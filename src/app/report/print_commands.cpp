#include "report/print_commands.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>

#include "files/file_commands.h"
#include "report/fit_to_page.h"
#include "report/pdf_document.h"
#include "report/printed_report.h"
#include "report/qt_print_surface.h"
#include "text/cell_codec.h"

namespace gyrant {
namespace {

bool HasPrinter() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

// "V8 Street Car.qrx" becomes "V8 Street Car".
std::string WithoutEnding(const std::string& name) {
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

PrintCommands::PrintCommands(Worksheet& sheet, Dialogs& dialogs, QWidget* parent)
    : m_sheet(sheet), m_dialogs(dialogs), m_parent(parent) {}

bool PrintCommands::ChooseTarget(const std::string& name) {
    bool pdfChosen =
        m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty();
    if (HasPrinter() && (m_printer.outputFormat() == QPrinter::NativeFormat || pdfChosen))
        return true;
    FileChooser chooser;
    chooser.title = "Print to a PDF File";
    chooser.filter = "PDF Files (*.pdf)|*.pdf";
    chooser.folder = DefaultSpecFolder(m_sheet);
    chooser.proposedName = WithoutEnding(name) + ".pdf";
    chooser.confirmReplace = true;
    std::optional<std::string> path = m_dialogs.ChooseSaveFile(chooser);
    if (!path) return false;
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(QString::fromStdString(*path));
    return true;
}

QString PrintCommands::TargetName() const {
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        return QFileInfo(m_printer.outputFileName()).absoluteFilePath();
    return m_printer.printerName();
}

void PrintCommands::Fail(const std::string& message) {
    m_dialogs.ShowMessage({message, "Print Failed", Buttons::Ok, Icon::Critical, Answer::Ok});
}

std::unique_ptr<PdfDocument> PrintCommands::PdfTarget() const {
    if (m_printer.outputFormat() != QPrinter::PdfFormat) return nullptr;
    return std::make_unique<PdfDocument>(m_printer.pageLayout());
}

void PrintCommands::SavePdf(const PdfDocument& pdf) {
    Outcome saved = pdf.Save(QFile::encodeName(m_printer.outputFileName()).toStdString());
    if (!saved.ok) Fail(saved.message);
}

void PrintCommands::PrintWorksheet() {
    if (!ChooseTarget(m_sheet.DisplayName)) return;
    std::unique_ptr<PdfDocument> pdf = PdfTarget();
    ReportResult result;
    {
        QtPrintSurface surface(pdf ? pdf->Writer() : static_cast<QPagedPaintDevice&>(m_printer),
                               TargetName());
        result = PrintReport(m_sheet, surface, m_dialogs, ReportTimeNow());
    }
    if (result.end == ReportEnd::Failed) return Fail(result.message);
    if (result.end == ReportEnd::Printed && pdf) SavePdf(*pdf);
}

void PrintCommands::PrintSetup() {
    QPrintDialog dialog(&m_printer, m_parent);
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
    QPageLayout chosen = m_printer.pageLayout();
    bool painted =
        PaintPicture(pdf ? pdf->Writer() : static_cast<QPagedPaintDevice&>(m_printer), image);
    m_printer.setPageLayout(chosen);
    if (!painted)
        return Fail(
            ToCell(QStringLiteral("The picture could not be printed on %1.").arg(TargetName())));
    if (pdf) SavePdf(*pdf);
}

}  // namespace gyrant
