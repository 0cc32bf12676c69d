#include "model/choice_lists.h"

#include "model/spec_rows.h"

namespace gyrant {

std::vector<std::string> ValueChoices(int row) {
    switch (row) {
        case kVehicleTypeRow:
            return {"4 Wheel, Rear Drive", "4 Wheel, Front Drive", "Motorcycle",
                    "Mtrcycl wPriRdctn"};
        case kConverterRow:
            return {"No", "Yes, Stock (tight)", "Yes, Performance (looser)",
                    "Yes, Higher Stall (loose)", "Yes, Very High Stall (very loose)"};
        case kEngineDetailsRow:
            return {"Yes, do details", "No, est. prod. eng.", "No, est. perf. eng.",
                    "No, est. race eng."};
        default:
            return {};
    }
}

std::vector<std::string> MaterialChoices(int row) {
    if (IsTireRow(row)) return {"Use Wt", "Tire"};
    return {"Use Wt", "Steel", "Alum", "CrbnFbr"};
}

}  // namespace gyrant
