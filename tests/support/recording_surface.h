#pragma once

// A page that records what is printed on it, with fixed metrics: a character is 10 units wide
// and a line 20 high at 9 points, in proportion at other sizes.

#include <algorithm>
#include <string>
#include <vector>

#include "ports/print_surface.h"

namespace gyrant::testing {

class RecordingSurface : public PrintSurface {
  public:
    struct Text {
        double x, y, size;
        std::string text, font;
        int page;
    };
    struct Line {
        double x1, y1, x2, y2;
    };

    RecordingSurface(double width, double height) : m_width(width), m_height(height) {}

    double PageWidth() const override { return m_width; }
    double PageHeight() const override { return m_height; }
    std::vector<std::string> InstalledFonts() const override { return fonts; }
    std::string FontName() const override { return m_font; }
    void SetFontName(const std::string& name) override { m_font = name; }
    void SetFontSize(double points) override { m_size = points; }
    double TextWidth(const std::string& text) const override {
        return 10.0 * m_size / 9 * text.size();
    }
    double TextHeight(const std::string&) const override { return 20.0 * m_size / 9; }
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    void Print(const std::string& text, bool endLine) override {
        texts.push_back({m_x, m_y, m_size, text, m_font, pages});
        m_x = endLine ? 0 : m_x + TextWidth(text);
        m_y += endLine ? TextHeight(text) : 0;
    }
    void DrawLine(double x1, double y1, double x2, double y2) override {
        lines.push_back({x1, y1, x2, y2});
    }
    void NewPage() override { ++pages, m_x = m_y = 0; }
    int PageNumber() const override { return pages; }
    Outcome EndDocument() override {
        return failure.empty() ? Outcome::Success() : Outcome::Failure(failure);
    }
    void CancelDocument() override { cancelled = true; }

    // The printed texts that equal `text`.
    std::vector<Text> Find(const std::string& text) const {
        std::vector<Text> found;
        std::ranges::copy_if(texts, std::back_inserter(found),
                             [&](auto& t) { return t.text == text; });
        return found;
    }

    std::vector<std::string> fonts = {"DejaVu Sans", "Arial Narrow", "Arial"};
    std::vector<Text> texts;
    std::vector<Line> lines;
    int pages = 1;
    bool cancelled = false;
    std::string failure;

  private:
    double m_width, m_height;
    std::string m_font = "Printer Default";
    double m_size = 10, m_x = 0, m_y = 0;
};

}  // namespace gyrant::testing
