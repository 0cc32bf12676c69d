#include <gtest/gtest.h>

#include "calc/calc_menu.h"
#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

// The same teeth and ratio typed in every method, so that a method using another's formula
// shows: ring/pinion, rear/front sprocket, primary ratio x sprockets, primary teeth x sprockets.
using FinalDriveMethods = testing::BlankSheetTest;

TEST_F(FinalDriveMethods, EachMethodHasItsOwnFormula) {
    EditStrip strip;
    const char* expected[] = {"3.00", "2.50", "5.00", "7.50"};
    for (int method = 0; method < 4; ++method) {
        CalcMenu menu(sheet, strip, 1);
        ASSERT_TRUE(menu.Open().ok);
        menu.ListClick(1, method);
        for (auto [k, text] : {std::pair{2, "2"}, {3, "6"}, {4, "14"}, {5, "35"}})
            menu.Input(k).text = text;
        menu.Recalculate();
        EXPECT_EQ(menu.Output(1).text, expected[method]) << method;
    }
}

}  // namespace
}  // namespace gyrant
