#include "engine/update_table.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/layout.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

using testing::SetComponent;
using testing::SetVehicleType;
using testing::ValueChoice;

// A front-drive car with a converter and engine details, and a motorcycle with a primary
// reduction and an estimated race engine: every vehicle-wide flag differs between them.
void FillCar(SpecTable& table) {
    table.SetText(1, kColValue, "3000");
    SetVehicleType(table, "4 Wheel, Front Drive", 1);
    table.SetText(3, kColValue, "3.73");
    table.SetText(4, kColValue, "2.52");
    table.SetText(6, kColValue, ValueChoice("Yes, Stock (tight)", 1));
    for (auto [row, value] :
         {std::pair{9, "8"}, {10, "4"}, {11, "3.48"}, {13, "50"}, {17, "1.5"}, {18, "1.2"}})
        table.SetText(row, kColValue, value);
    table.SetText(12, kColValue, ValueChoice("Yes, do details", 0));
    SetComponent(table, 14, "14", "4", "1", "Steel", 1);
    SetComponent(table, 20, "3", "2.8", "50", "Steel", 1);
    SetComponent(table, 24, "25", "15", "8", "Tire", 1);
    SetComponent(table, 27, "26", "15", "9", "Use Wt", 0, "24");
}

void FillBike(SpecTable& table) {
    table.SetText(1, kColValue, "600");
    SetVehicleType(table, "Mtrcycl wPriRdctn", 3);
    table.SetText(3, kColValue, "2.9");
    table.SetText(4, kColValue, "2.1");
    table.SetText(5, kColValue, "1.7");
    for (auto [row, value] : {std::pair{9, "2"}, {10, "3.5"}, {11, "3.8"}})
        table.SetText(row, kColValue, value);
    table.SetText(12, kColValue, ValueChoice("No, est. race eng.", 3));
    SetComponent(table, 20, "3", "2.8", "50", "Steel", 1);
    SetComponent(table, 27, "26", "17", "6", "Tire", 1);
}

class RecalculationTest : public ::testing::Test {
  protected:
    SpecTable& Baseline() { return sheet.Table(kBaseline); }
    SpecTable& Proposed() { return sheet.Table(kProposed); }
    double Sum(int table, int column, int first, int last) {
        double sum = 0;
        for (int row = first; row <= last; ++row)
            sum += NumericValue(sheet.Table(table).Text(row, column));
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
        for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
            EXPECT_EQ(Baseline().RowHeight(row), cars.Table(kBaseline).RowHeight(row)) << row;
            EXPECT_EQ(Proposed().RowHeight(row), bikes.Table(kProposed).RowHeight(row)) << row;
            for (int column = kColValue; column <= kColPercentTotal; ++column) {
                EXPECT_EQ(Baseline().Text(row, column), cars.Table(kBaseline).Text(row, column))
                    << row;
                EXPECT_EQ(Proposed().Text(row, column), bikes.Table(kProposed).Text(row, column))
                    << row;
            }
        }
    }
    EXPECT_EQ(Baseline().RowHeight(5), kHiddenRowHeight);
    EXPECT_EQ(Baseline().RowHeight(13), kShownRowHeight);
    EXPECT_EQ(Proposed().RowHeight(5), kShownRowHeight);
    EXPECT_EQ(Proposed().RowHeight(13), kHiddenRowHeight);
    EXPECT_EQ(Baseline().Text(8, kColValue), "349.85");
    EXPECT_EQ(Proposed().Text(8, kColValue), "73.12");
}

TEST_F(RecalculationTest, RotatingTotalHoldsEveryRowsEquivalentWeightSoSharesMakeAHundred) {
    FillCar(Baseline());
    for (int option : {0, 1}) {
        sheet.WeightOption = option;
        Recalculate(sheet);
        EXPECT_NEAR(Sum(kBaseline, kColEqWt, 8, 29), NumericValue(Baseline().Text(30, kColEqWt)),
                    0.05)
            << option;
        EXPECT_NEAR(Sum(kBaseline, kColPercentTotal, 1, 29), 100, 0.01) << option;
        EXPECT_EQ(Baseline().Text(31, kColPercentTotal), "100.000");
    }
    EXPECT_EQ(Baseline().Text(31, kColWeight),
              FormatPicture(3000 + NumericValue(Baseline().Text(30, kColWeight)), "####.00"));
}

TEST_F(RecalculationTest, EmptyVehicleIsAllVehicleWeightOrWritesNoShares) {
    Baseline().SetText(2, kColPercentTotal, "old");
    Recalculate(sheet);
    EXPECT_EQ(Baseline().Text(31, kColEqWt), ".00");
    EXPECT_EQ(Baseline().Text(2, kColPercentTotal), "old");
    Baseline().SetText(1, kColValue, "3500");
    Recalculate(sheet);
    for (int row : {1, 31}) EXPECT_EQ(Baseline().Text(row, kColPercentTotal), "100.000");
    EXPECT_EQ(Baseline().Text(30, kColEqWt), ".00");
    EXPECT_EQ(Baseline().Text(8, kColValue), ".00");
}

// A part row without an O.D., or with an I.D. not below it, has no results and adds nothing;
// a typed weight stays, a computed one goes.
TEST_F(RecalculationTest, PartThatCannotBeComputedShowsNoResults) {
    struct Case {
        const char *od, *id, *material;
        int materialIndex;
        const char *weight, *weightAfter;
    };
    FillCar(Baseline());
    SetComponent(Baseline(), 20, "", "", "", "", -1);
    Recalculate(sheet);
    std::string rotating = Baseline().Text(30, kColEqWt),
                rotatingWeight = Baseline().Text(30, kColWeight);
    for (const Case& c :
         {Case{"", "2", "Steel", 1, "12.00", ""}, Case{"1", "9.5", "Steel", 1, "-1588.68", ""},
          Case{"3", "3", "Use Wt", 0, "18", "18"}, Case{"  ", "", "", -1, "7", "7"},
          Case{"0", "0", "Use Wt", 0, "20", "20"}}) {
        SetComponent(Baseline(), 20, c.od, c.id, "50", c.material, c.materialIndex, c.weight);
        for (int column : {kColInertia, kColEqWt, kColPercentTotal})
            Baseline().SetText(20, column, "9.99");
        Recalculate(sheet);
        EXPECT_EQ(Baseline().Text(20, kColWeight), c.weightAfter) << c.od << c.id;
        for (int column : {kColInertia, kColEqWt, kColPercentTotal})
            EXPECT_EQ(Baseline().Text(20, column), "");
        EXPECT_EQ(Baseline().Text(30, kColEqWt), rotating);
        EXPECT_EQ(Baseline().Text(30, kColWeight), rotatingWeight);
    }
}

TEST_F(RecalculationTest, TotalsAreNeverComputedAsParts) {
    FillCar(Baseline());
    sheet.WeightOption = 1;
    for (int row : {30, 31}) SetComponent(Baseline(), row, "4", "1", "3", "Steel", 1);
    Recalculate(sheet);
    std::string rotating = Baseline().Text(30, kColEqWt), total = Baseline().Text(31, kColEqWt);
    for (int again = 0; again < 2; ++again) {
        Recalculate(sheet);
        EXPECT_EQ(Baseline().Text(30, kColEqWt), rotating);
        EXPECT_EQ(Baseline().Text(31, kColEqWt), total);
        EXPECT_EQ(Baseline().Text(30, kColInertia), "");
    }
}

TEST_F(RecalculationTest, ImprovementKeepsNoOldFigureAndFollowsTheVehicleCount) {
    FillCar(Baseline());
    FillCar(Proposed());
    SetComponent(Proposed(), 27, "26", "15", "9", "Use Wt", 0, "18");
    SetVehicleType(Proposed(), "4 Wheel, Rear Drive", 0);
    Proposed().SetText(12, kColValue, ValueChoice("No, est. prod. eng.", 1));
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row)
        Proposed().SetText(row, kColImprovement, "old");
    sheet.TwoVehicles = 1;
    Recalculate(sheet);
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
        const std::string& improvement = Proposed().Text(row, kColImprovement);
        bool compared =
            std::set{1, 8, 20, 24, 27, 30, 31}.contains(row);  // Eq. Wt in both, shown in both
        EXPECT_EQ(improvement.empty(), !compared) << row << " " << improvement;
    }
    EXPECT_EQ(Proposed().Text(1, kColImprovement), "0.");
    EXPECT_EQ(Proposed().Text(27, kColImprovement), "25.");
    sheet.TwoVehicles = 0;
    RefreshLayout(sheet);
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row)
        EXPECT_EQ(Proposed().Text(row, kColImprovement), "");
    sheet.TwoVehicles = 1;
    RefreshLayout(sheet);
    EXPECT_EQ(Proposed().Text(27, kColImprovement), "25.");
}

}  // namespace
}  // namespace gyrant
