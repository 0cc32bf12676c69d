#pragma once

// The introductory help tips shown once after start-up, in the order 1, 0, 2, 3, each until the
// user asks not to see it again.

#include <string>
#include <vector>

#include "model/worksheet.h"

namespace gyrant {

struct HelpTip {
    int number = 0;
    std::string caption;
    std::string text;  // paragraphs joined by two line breaks (CR)
};

// The tips still switched on, in the order they are shown.
std::vector<int> TipsToShow(const Worksheet& sheet);

// A tip's caption and text; any number other than 1, 2 or 3 is tip 0.
HelpTip TipFor(int tipNumber);

// The tip window's OK: its "Don't show this again" box is kept for the tip, and a change is
// written to the settings file at once.
void CloseTip(Worksheet& sheet, int tipNumber, bool dontShowAgain);

}  // namespace gyrant
