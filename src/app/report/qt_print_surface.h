#pragma once

// The report's page on a printer or in a PDF file: QPainter on a paged paint device, in the
// device's own pixels. The painter starts with the first thing drawn.

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>

#include "ports/print_surface.h"
#include "report/printed_report.h"

namespace gyrant {

class QtPrintSurface : public PrintSurface {
  public:
    // `target` names the printer or file in a failure message.
    QtPrintSurface(QPagedPaintDevice& device, QString target);
    ~QtPrintSurface() override;

    double PageWidth() const override;
    double PageHeight() const override;
    std::vector<std::string> InstalledFonts() const override;
    std::string FontName() const override;
    void SetFontName(const std::string& name) override;
    void SetFontSize(double points) override;
    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    void Print(const std::string& text, bool endLine) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void NewPage() override;
    int PageNumber() const override { return m_page; }
    Outcome EndDocument() override;

  private:
    QPainter* Painter();
    QRectF PaintRect() const;

    QPagedPaintDevice& m_device;
    QString m_target;
    std::unique_ptr<QPainter> m_painter;
    bool m_failed = false;
    int m_page = 1;
    QFont m_font;
    double m_x = 0;
    double m_y = 0;
};

// The date and time for a report's header, as the user's desktop writes them.
ReportTime ReportTimeNow();

}  // namespace gyrant
