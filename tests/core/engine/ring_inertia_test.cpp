#include "engine/ring_inertia.h"

#include <gtest/gtest.h>

#include "support/fake_strip.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

using testing::SetComponent;
using testing::SetVehicleType;

class RingInertiaTest : public ::testing::Test {
protected:
    SpecTable& Table() { return sheet.Table(kBaseline); }
    const std::string& Cell(int row, int column) { return Table().Text(row, column); }
    void Calc(int row) { CalcRingInertia(sheet, RingSource::Table, kBaseline, row, totals); }
    Worksheet sheet;
    RunningTotals totals;
};

TEST_F(RingInertiaTest, SteelTubeWeighsItsVolumeAndSpinsAsAThickRing) {
    SetComponent(Table(), 20, "4", "3", "50", "Steel", 1);
    sheet.Speeds.DriveshaftFactor = 2;
    Calc(20);
    EXPECT_EQ(Cell(20, kColWeight), "77.88");
    EXPECT_EQ(Cell(20, kColInertia), "1.69");
    EXPECT_EQ(Cell(20, kColEqWt), "6.76");
    EXPECT_NEAR(totals.TotalWeight, 77.876337, 1e-6);
    EXPECT_NEAR(totals.TotalEqWt, 1.6900246744791665 * 4, 1e-12);
}

TEST(CalcTireVolume, SidewallsAndTreadBand) {
    TireVolume tire = CalcTireVolume(8, 25, 15);
    EXPECT_NEAR(tire.TreadID, 24.05, 1e-12);
    EXPECT_NEAR(tire.TotalVolume - tire.TreadVolume, 298.452, 1e-9);
    EXPECT_NEAR(tire.TreadVolume, 258.0136193249998, 1e-9);
}

TEST_F(RingInertiaTest, TireSplitsItsWeightAndCountsTwiceOnlyOnAFourWheeler) {
    SetVehicleType(Table(), "Motorcycle", 2);
    SetComponent(Table(), 24, "25", "15", "8", "Tire", 1);
    Calc(24);
    EXPECT_EQ(Cell(24, kColInertia), "14.69");
    SetVehicleType(Table(), "4 Wheel, Rear Drive", 0);
    sheet.Speeds.FrontWheelFactor = 1;
    totals = {};
    Calc(24);
    EXPECT_EQ(Cell(24, kColWeight), "16.69");
    EXPECT_EQ(Cell(24, kColInertia), "29.38");
    EXPECT_EQ(Cell(24, kColEqWt), "29.38");
    EXPECT_NEAR(totals.TotalWeight, 2 * 16.693968579749992, 1e-9);
}

TEST_F(RingInertiaTest, AluminiumWheelHasADoubleWallAndSplitsBarrelFromDisc) {
    SetVehicleType(Table(), "Motorcycle", 2);
    SetComponent(Table(), 26, "15", "5", "7", "Alum", 2);
    Calc(26);
    EXPECT_EQ(Cell(26, kColWeight), "13.50");
    EXPECT_EQ(Cell(26, kColInertia), "4.48");
}

TEST_F(RingInertiaTest, GramsWithUseWeightComputeInPoundsAndKeepTheCellAsTyped) {
    SetComponent(Table(), 20, "4", "3", "50", "Use Wt", 0, "500", true);
    Calc(20);
    EXPECT_EQ(Cell(20, kColWeight), "500");
    EXPECT_EQ(Cell(20, kColInertia), ".02");
    EXPECT_NEAR(totals.TotalWeight, 500.0 / 454, 1e-12);

    SetComponent(Table(), 23, "15", "", "7", "Use Wt", 0, "500", true);
    Calc(23);
    EXPECT_EQ(Cell(23, kColWeight), "500.00");
}

TEST_F(RingInertiaTest, ComputedWeightIsWrittenInTheRowsUnit) {
    SetComponent(Table(), 20, "4", "3", "50", "Steel", 1, "", true);
    Calc(20);
    EXPECT_EQ(Cell(20, kColWeight), "35355.86");
    EXPECT_EQ(Cell(20, kColInertia), "1.69");
}

TEST_F(RingInertiaTest, TireOfNoVolumeKeepsItsWeightInTheSidewalls) {
    SetVehicleType(Table(), "Motorcycle", 2);
    SetComponent(Table(), 27, "0", "0", "0.2", "Use Wt", 0, "20");
    Calc(27);
    EXPECT_EQ(Cell(27, kColInertia), ".00");
    EXPECT_EQ(Cell(27, kColWeight), "20.00");
}

TEST_F(RingInertiaTest, StripModeReadsAndWritesOnlyTheStrip) {
    testing::FakeStrip strip;
    sheet.Strip = &strip;
    strip.texts = {{kColOD, "4"}, {kColID, "3"}, {kColWidth, "50"}, {kColUnits, "Lbs"}};
    strip.listIndexes[kColMaterial] = 1;
    CalcRingInertia(sheet, RingSource::Strip, kBaseline, 20, totals);
    EXPECT_EQ(strip.texts[kColWeight], "77.88");
    EXPECT_EQ(strip.texts[kColInertia], "1.69");
    EXPECT_FALSE(strip.enabled[kColWeight]);
    EXPECT_TRUE(strip.enabled[kColWidth]);
    EXPECT_EQ(Cell(20, kColWeight), "");

    strip.listIndexes[kColMaterial] = 0;
    strip.texts[kColWeight] = "20";
    CalcRingInertia(sheet, RingSource::Strip, kBaseline, 20, totals);
    EXPECT_TRUE(strip.enabled[kColWeight]);
    EXPECT_FALSE(strip.enabled[kColWidth]);
    EXPECT_EQ(strip.texts[kColWeight], "20");
}

}  // namespace
}  // namespace gyrant
