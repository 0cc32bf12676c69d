#pragma once

// The V8 street car example, recalculated, on a three-speed automatic of the gear list at
// 350 hp @ 5500 and 380 lb-ft @ 4000, with the defaults of its kind.

#include "support/sheet_fixture.h"
#include "timeslip/straight_line_run.h"

namespace gyrant::testing {

class ExampleRunTest : public ExampleSheetTest {
  protected:
    ExampleRunTest() { inputs.engine.peaks = {350, 5500, 380, 4000}; }
    // The Proposed table made the Baseline's, cell for cell.
    void ProposedAsBaseline() {
        for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row)
            for (int column = 0; column < kBaselineColumns; ++column)
                Proposed().SetText(row, column, Baseline().Text(row, column));
        Recalculate(sheet);
    }
    std::vector<double> ratios = {2.52, 1.52, 1.0};
    RunInputs inputs = DefaultRunInputs(KindOf(sheet, kBaseline));
};

}  // namespace gyrant::testing
