#pragma once

// A page being printed, as the report draws on it: its size and fonts in the device's own units,
// a current print position, text and lines. The program prints on a printer or into a PDF;
// tests record what was drawn.

#include <string>
#include <vector>

#include "outcome.h"

namespace gyrant {

class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    virtual double PageWidth() const = 0;
    virtual double PageHeight() const = 0;

    virtual std::vector<std::string> InstalledFonts() const = 0;
    virtual std::string FontName() const = 0;
    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual double TextWidth(const std::string& text) const = 0;
    virtual double TextHeight(const std::string& text) const = 0;

    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;
    // Prints at the current position; ending the line moves to the left edge of the next line,
    // otherwise the position moves past the text.
    virtual void Print(const std::string& text, bool endLine) = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    // Ends the page and starts the next one; the print position goes to its top left.
    virtual void NewPage() = 0;
    // The number of the page being printed, from 1.
    virtual int PageNumber() const = 0;

    // Hands the page to the printer, or says why it could not.
    virtual Outcome EndDocument() = 0;
};

}  // namespace gyrant
