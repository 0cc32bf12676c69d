#include "model/choice_lists.h"

namespace gyrant {

std::vector<std::string> ValueChoices(int row) {
    switch (row) {
        case 2:
            return {"4 Wheel, Rear Drive", "4 Wheel, Front Drive", "Motorcycle",
                    "Mtrcycl wPriRdctn"};
        case 6:
            return {"No", "Yes, Stock (tight)", "Yes, Performance (looser)",
                    "Yes, Higher Stall (loose)", "Yes, Very High Stall (very loose)"};
        case 12:
            return {"Yes, do details", "No, est. prod. eng.", "No, est. perf. eng.",
                    "No, est. race eng."};
        default:
            return {};
    }
}

std::vector<std::string> MaterialChoices(int row) {
    if (row == 24 || row == 27) return {"Use Wt", "Tire"};
    return {"Use Wt", "Steel", "Alum", "CrbnFbr"};
}

}  // namespace gyrant
