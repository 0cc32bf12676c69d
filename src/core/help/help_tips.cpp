#include "help/help_tips.h"

#include "files/settings_file.h"

namespace gyrant {

std::vector<int> TipsToShow(const Worksheet& sheet) {
    std::vector<int> tips;
    for (int tip : {1, 0, 2, 3})
        if (sheet.setup.TipOff[static_cast<std::size_t>(tip)] == 0) tips.push_back(tip);
    return tips;
}

HelpTip TipFor(int tipNumber) {
    switch (tipNumber) {
        case 1:
            return {1, "Help Tip:  Changing Inputs",
                    "When you want to change an input in the Gyrant table(s):\r\r"
                    "    Click on the spec name in the Description Column\r\r"
                    "    The input(s) for that row will appear here so you can change them.\r\r"
                    "Then you can keep these changes by clicking on the 'Keep Change' button and "
                    "the Table will be "
                    "updated with your changes."};
        case 2:
            return {2, "Help Tip: Loading Saved Specs",
                    "To load in a saved set of Gyrant specs, when all these introductory Help Tips "
                    "are gone:\r\r"
                    "Click on File in the upper left corner, then on Open for a list of existing "
                    "files."};
        case 3:
            return {3, "IMPORTANT:  Help (definition)",
                    "For more detailed help on using this program, click on Help at the top of "
                    "this Main Screen, "
                    "then select 'Help on Gyrant'."};
        default:
            return {0, "Help Tip:  EZ Build Wizard",
                    "The EZ Build Wizard makes it easy for beginners to build a vehicle from a "
                    "blank sheet.\r\r"
                    "When these Introductory Help Tip messages are gone, click on EZ Build Wizard "
                    "to help build your "
                    "first vehicle."};
    }
}

void CloseTip(Worksheet& sheet, int tipNumber, bool dontShowAgain) {
    if (tipNumber < 0 || tipNumber > 3) tipNumber = 0;
    int& off = sheet.setup.TipOff[static_cast<std::size_t>(tipNumber)];
    if (off == (dontShowAgain ? 1 : 0)) return;
    off = dontShowAgain ? 1 : 0;
    // Kept at once, so that a killed session keeps it. A failure is left for Exit, whose write
    // tries again and reports it: a tip closing is no moment for a message box.
    static_cast<void>(WriteSettings(sheet, SettingsPath(sheet)));
}

}  // namespace gyrant
