#include "engine/ring_inertia.h"

#include <gtest/gtest.h>

#include "support/fake_strip.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

struct Part {
    int row;
    const char* vehicle;
    const char *od, *id, *width, *material;
    int materialIndex;
    const char* weight;
    bool grams;
    const char *weightAfter, *inertia;
};

// Each shape: a steel tube, a tire split into tread and sidewalls (twice on four wheels), an
// aluminium wheel with a double wall split into barrel and disc; weights in grams.
TEST(CalcRingInertia, EachShapeWeighsItsVolumeAndSpinsAsRings) {
    for (const Part& p :
         {Part{20, "Motorcycle", "4", "3", "50", "Steel", 1, "", false, "77.88", "1.69"},
          Part{20, "Motorcycle", "4", "3", "50", "Steel", 1, "", true, "35355.86", "1.69"},
          Part{20, "Motorcycle", "4", "3", "50", "Use Wt", 0, "500", true, "500", ".02"},
          Part{24, "Motorcycle", "25", "15", "8", "Tire", 1, "", false, "16.69", "14.69"},
          Part{24, "4 Wheel, Rear Drive", "25", "15", "8", "Tire", 1, "", false, "16.69", "29.38"},
          Part{26, "Motorcycle", "15", "5", "7", "Alum", 2, "", false, "13.50", "4.48"},
          Part{26, "Motorcycle", "15", "", "7", "Use Wt", 0, "500", true, "500.00", ".36"}}) {
        Worksheet sheet;
        SpecTable& table = sheet.Table(kBaseline);
        testing::SetVehicleType(table, p.vehicle, 0);
        testing::SetComponent(table, p.row, p.od, p.id, p.width, p.material, p.materialIndex,
                              p.weight, p.grams);
        RunningTotals totals;
        CalcRingInertia(sheet, RingSource::Table, kBaseline, p.row, totals);
        EXPECT_EQ(table.Text(p.row, kColWeight), p.weightAfter) << p.row << p.material;
        EXPECT_EQ(table.Text(p.row, kColInertia), p.inertia) << p.row << p.material;
        double pounds = NumericValue(p.weightAfter) / (p.grams ? 454 : 1);
        EXPECT_NEAR(totals.TotalWeight, (p.vehicle[0] == '4' ? 2 : 1) * pounds, 0.01);
    }
}

TEST(CalcRingInertia, StripModeReadsAndWritesOnlyTheStrip) {
    Worksheet sheet;
    testing::FakeStrip strip;
    sheet.Strip = &strip;
    RunningTotals totals;
    strip.texts = {{kColOD, "4"}, {kColID, "3"}, {kColWidth, "50"}, {kColUnits, "Lbs"}};
    strip.listIndexes[kColMaterial] = 1;
    CalcRingInertia(sheet, RingSource::Strip, kBaseline, 20, totals);
    EXPECT_EQ(strip.texts[kColWeight], "77.88");
    EXPECT_EQ(strip.texts[kColInertia], "1.69");
    EXPECT_FALSE(strip.enabled[kColWeight]);
    EXPECT_TRUE(strip.enabled[kColWidth]);
    EXPECT_EQ(sheet.Table(kBaseline).Text(20, kColWeight), "");
    // Without an O.D. nothing is computed: no negative weight, and a typed weight stays.
    strip.texts[kColOD] = "";
    CalcRingInertia(sheet, RingSource::Strip, kBaseline, 23, totals);
    for (int field : {kColWeight, kColInertia, kColEqWt})
        EXPECT_EQ(strip.texts[field], "") << field;
    strip.listIndexes[kColMaterial] = 0;
    strip.texts[kColWeight] = "20";
    CalcRingInertia(sheet, RingSource::Strip, kBaseline, 20, totals);
    EXPECT_TRUE(strip.enabled[kColWeight]);
    EXPECT_FALSE(strip.enabled[kColWidth]);
    EXPECT_EQ(strip.texts[kColWeight], "20");
    EXPECT_EQ(strip.texts[kColEqWt], "");
}

}  // namespace
}  // namespace gyrant
