#include "report/qt_print_surface.h"

#include <QDateTime>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>

#include "text/cell_codec.h"

namespace gyrant {

QtPrintSurface::QtPrintSurface(QPagedPaintDevice& device, QString target)
    : m_device(device), m_target(std::move(target)), m_font(QStringLiteral("DejaVu Sans")) {
    // Without the narrow sans-serif the report asks for, a condensed face keeps the columns apart.
    m_font.setStretch(QFont::Condensed);
    m_font.setPointSizeF(10);
}

QtPrintSurface::~QtPrintSurface() {
    if (m_painter && m_painter->isActive()) m_painter->end();
}

QRectF QtPrintSurface::PaintRect() const {
    return m_device.pageLayout().paintRectPixels(m_device.logicalDpiX());
}

double QtPrintSurface::PageWidth() const {
    return PaintRect().width();
}
double QtPrintSurface::PageHeight() const {
    return PaintRect().height();
}

std::vector<std::string> QtPrintSurface::InstalledFonts() const {
    std::vector<std::string> fonts;
    for (const QString& family : QFontDatabase::families()) fonts.push_back(ToCell(family));
    return fonts;
}

std::string QtPrintSurface::FontName() const {
    return ToCell(m_font.family());
}

void QtPrintSurface::SetFontName(const std::string& name) {
    m_font.setFamily(FromCell(name));
}

void QtPrintSurface::SetFontSize(double points) {
    m_font.setPointSizeF(points);
}

double QtPrintSurface::TextWidth(const std::string& text) const {
    return QFontMetricsF(m_font, &m_device).horizontalAdvance(FromCell(text));
}

double QtPrintSurface::TextHeight(const std::string&) const {
    return QFontMetricsF(m_font, &m_device).height();
}

QPainter* QtPrintSurface::Painter() {
    if (m_painter || m_failed) return m_painter.get();
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&m_device)) {
        m_failed = true;
        return nullptr;
    }
    painter->setRenderHint(QPainter::Antialiasing);
    m_painter = std::move(painter);
    return m_painter.get();
}

void QtPrintSurface::Print(const std::string& text, bool endLine) {
    if (QPainter* painter = Painter()) {
        painter->setFont(m_font);
        QFontMetricsF metrics(m_font, &m_device);
        painter->drawText(QPointF(m_x, m_y + metrics.ascent()), FromCell(text));
    }
    if (endLine) {
        m_x = 0;
        m_y += TextHeight(text);
    } else {
        m_x += TextWidth(text);
    }
}

void QtPrintSurface::DrawLine(double x1, double y1, double x2, double y2) {
    if (QPainter* painter = Painter()) {
        painter->setPen(QPen(Qt::black, m_device.logicalDpiX() / 150.0));
        painter->drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
}

void QtPrintSurface::NewPage() {
    if (Painter() && !m_device.newPage()) m_failed = true;
    m_x = 0;
    m_y = 0;
    ++m_page;
}

Outcome QtPrintSurface::EndDocument() {
    QPainter* painter = Painter();
    if (!painter || !painter->end() || m_failed)
        return Outcome::Failure(
            ToCell(QStringLiteral("The report could not be printed on %1.").arg(m_target)));
    return Outcome::Success();
}

ReportTime ReportTimeNow() {
    QDateTime now = QDateTime::currentDateTime();
    return {ToCell(QLocale::system().toString(now.date(), QLocale::ShortFormat)),
            ToCell(now.time().toString(QStringLiteral("h:mm:ss ap")))};
}

}  // namespace gyrant
