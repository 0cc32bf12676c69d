#include <gtest/gtest.h>

#include <algorithm>

#include "calc/calc_layout.h"
#include "calc/menu_definition.h"
#include "calc/transmissions.h"
#include "calc/vehicle_weights.h"
#include "support/program_folder.h"

namespace gyrant {
namespace {

using testing::WriteFileBytes;

TEST(MenuDefinition, ReadsTheHeadTheNoteTheOutputsAndTheGroups) {
    testing::ProgramFolder folder;
    WriteFileBytes(folder / "m.CLC",
                   "Caption\r\nRatio\r\n10\r\n1\r\n0\r\nY\r\nAbout it\r\n2\r\nThe note.\r\n2\r\nOut one\r\nOut two\r\n3\r\n"
                   "2\r\n1\r\n2\r\nFirst\r\ncmbMethod\r\n2\r\nA\r\nB\r\nSecond\r\nTeeth\r\n300, 5\r\nMore\r\n100.001\r\n0\r\n");
    MenuDefinitionRead read = ReadMenuDefinition(folder / "m.CLC");
    ASSERT_TRUE(read.outcome.ok) << read.outcome.message;
    const MenuDefinition& d = read.definition;
    EXPECT_EQ(d.caption, "Caption");
    EXPECT_EQ(d.QuantityName, "Ratio");
    EXPECT_EQ(d.OutputHigh, 10);
    EXPECT_TRUE(d.hasNote);
    EXPECT_EQ(d.noteText, "The note.");
    EXPECT_EQ(d.outputs, (std::vector<std::string>{"Out one", "Out two"}));
    ASSERT_EQ(d.inputs.size(), 3u);
    EXPECT_TRUE(d.inputs[0].choice);
    EXPECT_EQ(d.inputs[0].caption, "Method");
    EXPECT_EQ(d.inputs[0].choices, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(d.inputs[1].high, 300);
    EXPECT_EQ(d.inputs[1].low, 5);
    EXPECT_EQ(d.inputs[2].group, 2);
    EXPECT_EQ(d.groupCaptions, (std::vector<std::string>{"First", "Second"}));
}

TEST(MenuDefinition, AMissingOrShortFileIsRefusedNamingIt) {
    testing::ProgramFolder folder;
    MenuDefinitionRead missing = ReadMenuDefinition(folder / "none.CLC");
    EXPECT_FALSE(missing.outcome.ok);
    EXPECT_NE(missing.outcome.message.find("none.CLC"), std::string::npos);
    WriteFileBytes(folder / "short.CLC", "Caption\r\nRatio\r\n10\r\n1\r\n0\r\nN\r\n1\r\nOut\r\n3\r\n1\r\n3\r\n0\r\nGroup\r\n");
    EXPECT_FALSE(ReadMenuDefinition(folder / "short.CLC").outcome.ok);
    EXPECT_EQ(MenuBaseName(7), "");
    EXPECT_EQ(MenuDefinitionPath(folder.Path(), 4, 1).filename(), "finldrvem.CLC");
}

TEST(Transmissions, ListTheGearsThatExist) {
    testing::ProgramFolder folder;
    std::string text;
    for (int i = 0; i < 34; ++i) text += "header\r\n";
    text += "Four speed\r\n4\r\n2.48, 1.48, 1, 0.75\r\n0\r\n0\r\n";
    for (int i = 0; i < 310; ++i) text += "Box " + std::to_string(i) + "\r\n3\r\n2\r\n1\r\n0\r\n0\r\n0\r\n0\r\n";
    WriteFileBytes(folder / "trans", text);
    std::vector<Transmission> all = LoadTrans(folder / "trans");
    ASSERT_EQ(all.size(), 301u);
    EXPECT_EQ(all[0].name, "Four speed");
    EXPECT_EQ(GearEntries(all[0]), (std::vector<std::string>{"1  2.48", "2  1.48", "3  1.", "4  .75"}));
    EXPECT_TRUE(LoadTrans(folder / "missing").empty());
}

class VehicleWeightsTest : public ::testing::Test {
protected:
    VehicleWeightsTest() {
        std::string text;
        for (int i = 0; i < 8; ++i) text += "header\r\n";
        auto record = [&](const char* year, const char* model, const char* weight, const char* automatic,
                          const char* convertible) {
            text += std::string(year) + "\r\nChevrolet\r\n" + model + "\r\nV8 350\r\n" + weight + "\r\n" + automatic +
                    "\r\n" + convertible + "\r\n";
        };
        record("68", "Camaro", "3000", "50", "100");
        record("68", "Camaro", "3010", "50", "100");
        record("70", "Camaro", "3100", "60", "-1");
        record("72", "Camaro", "3200", "-1", "-1");
        record("72", "Camaro RS", "3300", "-1", "-1");
        text += "70\r\nChevrolet\r\n";
        testing::WriteFileBytes(folder / "vehweight.txt", text);
        records = ReadVehWeights(folder / "vehweight.txt");
    }
    WeightEstimate Estimate(int year, bool automatic = true, bool convertible = false) {
        return EstimateVehicleWeight(records, {year, "Chevrolet", "Camaro", "V8 350", automatic, convertible, 0, 5});
    }
    testing::ProgramFolder folder;
    std::vector<VehicleRecord> records;
};

TEST_F(VehicleWeightsTest, ListsCascadeFromMakeToModelToEngine) {
    EXPECT_EQ(records.size(), 5u);
    EXPECT_EQ(VehicleMakes(records), (std::vector<std::string>{"Chevrolet"}));
    EXPECT_EQ(VehicleModels(records, "Chevrolet"), (std::vector<std::string>{"Camaro", "Camaro RS"}));
    EXPECT_EQ(VehicleAttributes(records, "Camaro RS"), (std::vector<std::string>{"V8 350"}));
}

TEST_F(VehicleWeightsTest, AnExactYearIsAGoodMatch) {
    WeightEstimate exact = Estimate(1970);
    EXPECT_EQ(exact.weight, "3160");
    EXPECT_EQ(exact.note, "A good match was found.");
}

TEST_F(VehicleWeightsTest, BetweenYearsTheWeightIsInterpolated) {
    // 1969 lies between the first 1968 record (3000) and 1970 (3100).
    WeightEstimate between = Estimate(1969);
    EXPECT_EQ(between.weight, "3110");
    EXPECT_EQ(between.note, "A good match was found.");
    // 1971: of the newer 1972 matches (the Camaro and the longer "Camaro RS") the last one counts:
    // 3100 + (3300 - 3100) / 2, the 1970 automatic extra 60, and -1 for the convertible.
    WeightEstimate marked = Estimate(1971, true, true);
    EXPECT_EQ(marked.weight, "3260");
    EXPECT_EQ(marked.note, "A relatively good match was found.  Note: This vehicle may not have been available with an "
                           "automatic.  This vehicle probably was not available as a convertible.");
}

TEST_F(VehicleWeightsTest, OnlyOlderOrOnlyNewerYearsAreUsedOneSided) {
    WeightEstimate newer = Estimate(1960);
    EXPECT_EQ(newer.weight, "3060");
    EXPECT_EQ(newer.note, "Estimated weight is based on the closest match found:  1968 Chevrolet Camaro V8 350");
    WeightEstimate older = Estimate(1980, false);
    EXPECT_EQ(older.weight, "3200");
    EXPECT_TRUE(older.note.ends_with("  Note: This vehicle probably was not available with an automatic.  "));
    EXPECT_EQ(EstimateVehicleWeight(records, {1970, "chevrolet", "Camaro", "V8 350", true, false, 0, 5}).note,
              "No close match was found.");
}

}  // namespace
}  // namespace gyrant

namespace gyrant {
namespace {

TEST(ShippedCalcData, EveryMenuOpensInBothUnitSystemsAndTheDataIsThere) {
    testing::ProgramFolder folder;
    for (int kind = 1; kind <= 6; ++kind) {
        for (int units : {0, 1}) {
            MenuDefinitionRead read = ReadMenuDefinition(MenuDefinitionPath(folder.Path(), kind, units));
            EXPECT_TRUE(read.outcome.ok) << read.outcome.message;
            EXPECT_FALSE(read.definition.inputs.empty());
            EXPECT_EQ(static_cast<int>(read.definition.inputs.size()), read.definition.lowestInput) << kind;
        }
    }
    std::vector<VehicleRecord> vehicles = ReadVehWeights(folder / "CALC" / "vehweight.txt");
    EXPECT_GE(vehicles.size(), 150u);
    EXPECT_EQ(std::min_element(vehicles.begin(), vehicles.end(), [](auto& a, auto& b) { return a.year < b.year; })->year, 1955);
    EXPECT_EQ(std::max_element(vehicles.begin(), vehicles.end(), [](auto& a, auto& b) { return a.year < b.year; })->year, 2001);
    std::vector<Transmission> transmissions = LoadTrans(folder / "CALC" / "trans");
    EXPECT_GE(transmissions.size(), 40u);
    for (const Transmission& t : transmissions) EXPECT_GT(t.ratios[0], 0) << t.name;
}

}  // namespace
}  // namespace gyrant

namespace gyrant {
namespace {

TEST(ShippedCalcData, EveryMenuLaysOutWithoutOverlap) {
    testing::ProgramFolder folder;
    for (int kind = 1; kind <= 6; ++kind) {
        MenuDefinition d = ReadMenuDefinition(MenuDefinitionPath(folder.Path(), kind, 0)).definition;
        CalcLayout layout = LayOutCalcMenu(d, kind);
        std::vector<TwipsRect> placed;
        for (std::size_t i = 1; i <= d.outputs.size(); ++i) placed.insert(placed.end(), {layout.outputCaptions[i], layout.outputValues[i]});
        for (std::size_t i = 1; i <= d.inputs.size(); ++i) placed.insert(placed.end(), {layout.inputCaptions[i], layout.inputFields[i]});
        if (layout.note.height > 0) placed.push_back(layout.note);
        for (std::size_t a = 0; a < placed.size(); ++a) {
            EXPECT_LE(placed[a].Right(), layout.width) << "kind " << kind << " control " << a;
            EXPECT_LT(placed[a].Bottom(), layout.buttonsTop) << "kind " << kind << " control " << a;
            for (std::size_t b = a + 1; b < placed.size(); ++b)
                EXPECT_FALSE(placed[a].Overlaps(placed[b])) << "kind " << kind << ": " << a << " and " << b;
        }
        for (std::size_t i = 1; i <= d.inputs.size(); ++i) {
            const TwipsRect& group = layout.groups[static_cast<std::size_t>(d.inputs[i - 1].group)];
            EXPECT_GT(layout.inputFields[i].top, group.top) << kind;
            EXPECT_LT(layout.inputFields[i].Bottom(), group.Bottom()) << kind;
        }
        EXPECT_GT(layout.height, layout.buttonsTop);
    }
}

}  // namespace
}  // namespace gyrant
