#include "engine/update_table.h"

#include <gtest/gtest.h>

#include "engine/layout.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

using testing::SetComponent;
using testing::TableText;
using testing::ValueChoice;

// A front-drive car with a converter and engine details, and a motorcycle with a primary
// reduction and an estimated race engine: every vehicle-wide flag differs between them.
void FillCar(SpecTable& table) {
    testing::SetValues(table, {"3000", ValueChoice("4 Wheel, Front Drive", 1), "3.73", "2.52", "",
                               ValueChoice("Yes, Stock (tight)", 1), "", "", "8", "4", "3.48",
                               ValueChoice("Yes, do details", 0), "50", "", "", "", "1.5", "1.2"});
    SetComponent(table, 14, "14", "4", "1", "Steel", 1);
    SetComponent(table, 20, "3", "2.8", "50", "Steel", 1);
    SetComponent(table, 24, "25", "15", "8", "Tire", 1);
    SetComponent(table, 27, "26", "15", "9", "Use Wt", 0, "24");
}

void FillBike(SpecTable& table) {
    testing::SetValues(table, {"600", ValueChoice("Mtrcycl wPriRdctn", 3), "2.9", "2.1", "1.7", "",
                               "", "", "2", "3.5", "3.8", ValueChoice("No, est. race eng.", 3)});
    SetComponent(table, 20, "3", "2.8", "50", "Steel", 1);
    SetComponent(table, 27, "26", "17", "6", "Tire", 1);
}

class RecalculationTest : public ::testing::Test {
  protected:
    SpecTable& Baseline() { return sheet.Table(kBaseline); }
    SpecTable& Proposed() { return sheet.Table(kProposed); }
    double Sum(int column, int last, double sum = 0) {
        for (int row = 1; row <= last; ++row) sum += NumericValue(Baseline().Text(row, column));
        return sum;
    }
    Worksheet sheet;
};

TEST_F(RecalculationTest, EachTableIsLaidOutFromItsOwnRowsWhicheverIsCurrent) {
    Worksheet cars, bikes;  // each vehicle beside a copy of itself
    for (int table : {kBaseline, kProposed})
        FillCar(cars.Table(table)), FillBike(bikes.Table(table));
    Recalculate(cars);
    Recalculate(bikes);
    FillCar(Baseline());
    FillBike(Proposed());
    for (int current : {kProposed, kBaseline}) {
        sheet.CurrentTable = current;
        Recalculate(sheet);
        EXPECT_EQ(TableText(Baseline()), TableText(cars.Table(kBaseline))) << current;
        EXPECT_EQ(TableText(Proposed()), TableText(bikes.Table(kProposed))) << current;
    }
    EXPECT_EQ(std::pair(Baseline().RowHeight(5), Baseline().RowHeight(13)),
              std::pair(kHiddenRowHeight, kShownRowHeight));
    EXPECT_EQ(std::pair(Proposed().RowHeight(5), Proposed().RowHeight(13)),
              std::pair(kShownRowHeight, kHiddenRowHeight));
    EXPECT_EQ(Baseline().Text(8, kColValue), "349.85");
    EXPECT_EQ(Proposed().Text(8, kColValue), "73.12");
}

TEST_F(RecalculationTest, RotatingTotalHoldsEveryRowsEquivalentWeightSoSharesMakeAHundred) {
    FillCar(Baseline());
    for (int option : {0, 1}) {
        sheet.WeightOption = option;
        Recalculate(sheet);
        EXPECT_NEAR(Sum(kColEqWt, 29) - 3000, NumericValue(Baseline().Text(30, kColEqWt)), 0.05)
            << option;
        EXPECT_NEAR(Sum(kColPercentTotal, 29), 100, 0.01) << option;
        EXPECT_EQ(Baseline().Text(31, kColPercentTotal), "100.000");
    }
    EXPECT_EQ(Baseline().Text(31, kColWeight),
              FormatPicture(3000 + NumericValue(Baseline().Text(30, kColWeight)), "####.00"));
}

// A part row without an O.D., or with an I.D. not below it, has no results and adds nothing;
// a typed weight stays, a computed one goes.
TEST_F(RecalculationTest, PartThatCannotBeComputedShowsNoResults) {
    FillCar(Baseline());
    SetComponent(Baseline(), 20, "", "", "", "", -1);
    Recalculate(sheet);
    std::string totals = Baseline().Text(30, kColEqWt) + "|" + Baseline().Text(30, kColWeight);
    for (auto [od, id, material, index, weight, weightAfter] :
         {std::tuple{"", "2", "Steel", 1, "12.00", ""},
          {"1", "9.5", "Steel", 1, "-1588.68", ""},
          {"3", "3", "Use Wt", 0, "18", "18"},
          {"  ", "", "", -1, "7", "7"},
          {"0", "0", "Use Wt", 0, "20", "20"}}) {
        SetComponent(Baseline(), 20, od, id, "50", material, index, weight);
        for (int column : {kColInertia, kColEqWt, kColPercentTotal})
            Baseline().SetText(20, column, "9");
        Recalculate(sheet);
        EXPECT_EQ(Baseline().Text(20, kColWeight), weightAfter) << od << id;
        for (int column : {kColInertia, kColEqWt, kColPercentTotal})
            EXPECT_EQ(Baseline().Text(20, column), "");
        EXPECT_EQ(Baseline().Text(30, kColEqWt) + "|" + Baseline().Text(30, kColWeight), totals);
    }
}

TEST_F(RecalculationTest, TotalsAreNeverComputedAsParts) {
    FillCar(Baseline());
    sheet.WeightOption = 1;
    for (int row : {30, 31}) SetComponent(Baseline(), row, "4", "1", "3", "Steel", 1);
    Recalculate(sheet);
    std::string rotating = Baseline().Text(30, kColEqWt), total = Baseline().Text(31, kColEqWt);
    Recalculate(sheet);
    EXPECT_EQ(Baseline().Text(30, kColEqWt) + "|" + Baseline().Text(31, kColEqWt),
              rotating + "|" + total);
    EXPECT_EQ(Baseline().Text(30, kColInertia), "");
}

// The layout pass brings the improvement column in line with the vehicle count at once.
TEST_F(RecalculationTest, ImprovementFollowsTheVehicleCount) {
    FillCar(Baseline());
    FillBike(Proposed());
    Recalculate(sheet);
    for (int two : {1, 0}) {
        sheet.TwoVehicles = two;
        RefreshLayout(sheet);
        EXPECT_EQ(Proposed().Text(1, kColImprovement), two ? "80." : "");
        EXPECT_EQ(Proposed().Text(13, kColImprovement), "");  // hidden in the Proposed table
    }
}

}  // namespace
}  // namespace gyrant
