#include "report/print_commands.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>

#include "files/file_commands.h"
#include "report/fit_to_page.h"
#include "report/printed_report.h"
#include "report/qt_print_surface.h"
#include "text/cell_codec.h"

namespace gyrant {
namespace {

bool HasPrinter() { return !QPrinterInfo::availablePrinters().isEmpty(); }

// "V8 Street Car.qrx" becomes "V8 Street Car".
std::string WithoutEnding(const std::string& name) {
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

PrintCommands::PrintCommands(Worksheet& sheet, Dialogs& dialogs, QWidget* parent)
    : m_sheet(sheet), m_dialogs(dialogs), m_parent(parent) {}

bool PrintCommands::ChooseTarget(const std::string& name) {
    bool pdfChosen = m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty();
    if (HasPrinter() && (m_printer.outputFormat() == QPrinter::NativeFormat || pdfChosen)) return true;
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
    if (m_printer.outputFormat() == QPrinter::PdfFormat) return QFileInfo(m_printer.outputFileName()).absoluteFilePath();
    return m_printer.printerName();
}

void PrintCommands::Fail(const std::string& message) {
    m_dialogs.ShowMessage({message, "Print Failed", Buttons::Ok, Icon::Critical, Answer::Ok});
}

void PrintCommands::PrintWorksheet() {
    if (!ChooseTarget(m_sheet.DisplayName)) return;
    QtPrintSurface surface(m_printer, TargetName());
    ReportResult result = PrintReport(m_sheet, surface, m_dialogs, ReportTimeNow());
    if (result.end == ReportEnd::Failed) Fail(result.message);
}

void PrintCommands::PrintSetup() {
    QPrintDialog dialog(&m_printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.exec();
}

QImage CaptureWindowImage(QWidget* window) {
    QScreen* screen = window->screen();
    QRect frame = window->frameGeometry();
    QPixmap shot;
    if (screen && QGuiApplication::platformName() != QStringLiteral("offscreen"))
        shot = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (shot.isNull()) shot = window->grab();
    return shot.toImage();
}

void PrintCommands::PrintWindowImage(QWidget* window) {
    QImage image = CaptureWindowImage(window);
    m_printer.setPageOrientation(PrintsInLandscape(image.width(), image.height()) ? QPageLayout::Landscape
                                                                                  : QPageLayout::Portrait);
    QRectF page = m_printer.pageRect(QPrinter::DevicePixel);
    std::optional<PrintedSize> size = FitToPage(image.width(), image.height(), page.width(), page.height());
    if (!size) return Fail("The window's picture has no size to print.");
    if (!ChooseTarget(ToCell(window->windowTitle()))) return;
    QPainter painter;
    if (!painter.begin(&m_printer))
        return Fail(ToCell(QStringLiteral("The picture could not be printed on %1.").arg(TargetName())));
    painter.drawImage(QRectF(0, 0, size->width, size->height), image);
    if (!painter.end()) Fail(ToCell(QStringLiteral("The picture could not be printed on %1.").arg(TargetName())));
}

}  // namespace gyrant
