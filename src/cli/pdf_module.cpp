#include "pdf_module.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPageSize>
#include <memory>

#include "report/pdf_document.h"
#include "report/qt_print_surface.h"
#include "text/cell_codec.h"

namespace {

// Fonts and painting need an application object; a report made without the program makes
// one that needs no display.
std::unique_ptr<QGuiApplication> StartQt() {
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // A private runtime folder of its own spares the user Qt's warning about a missing one.
        QString runtime = QDir::tempPath() + QStringLiteral("/gyrant-runtime-%1").arg(getuid());
        QDir().mkpath(runtime);
        QFile::setPermissions(
            runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    static int argc = 1;
    static char name[] = "gyrant-calc";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool GyrantWritePdfReport(
    const gyrant::Worksheet& sheet, const char* path, const std::vector<double>& runRatios,
    std::string& message) {
    std::unique_ptr<QGuiApplication> app = StartQt();
    bool imperial = QLocale::system().measurementSystem() != QLocale::MetricSystem;
    gyrant::PdfDocument pdf(QPageLayout(QPageSize(imperial ? QPageSize::Letter : QPageSize::A4),
                                        QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                        QPageLayout::Millimeter));
    pdf.Writer().setTitle(QStringLiteral("Calculated Test Results"));
    gyrant::ReportResult result;
    {
        gyrant::QtPrintSurface surface(pdf.Writer(),
                                       QFileInfo(gyrant::FromPath(path)).absoluteFilePath());
        result =
            gyrant::PrintReportWithComment(sheet, surface, "", gyrant::ReportTimeNow(), runRatios);
    }
    if (result.end == gyrant::ReportEnd::Printed) {
        gyrant::Outcome saved = pdf.Save(path);
        if (!saved.ok) result = {gyrant::ReportEnd::Failed, saved.message};
    }
    message = result.message;
    return result.end != gyrant::ReportEnd::Failed;
}
