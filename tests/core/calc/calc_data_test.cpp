#include <gtest/gtest.h>

#include "calc/calc_layout.h"
#include "calc/menu_definition.h"
#include "calc/transmissions.h"
#include "calc/vehicle_weights.h"
#include "model/row_definitions.h"
#include "support/program_folder.h"

namespace gyrant {
namespace {

using testing::WriteFileBytes;

TEST(Transmissions, ListUpTo301WithTheGearsThatExist) {
    testing::ProgramFolder folder;
    std::string text;
    for (int i = 0; i < 34; ++i) text += "header\r\n";
    for (int i = 0; i < 310; ++i) text += "Box\r\n4\r\n2.48, 1.48, 1, 0.75\r\n0\r\n0\r\n";
    WriteFileBytes(folder / "trans", text);
    TransmissionsRead read = LoadTrans(folder / "trans");
    ASSERT_EQ(read.transmissions.size(), 301u);
    EXPECT_EQ(GearEntries(read.transmissions[300]),
              (std::vector<std::string>{"1  2.48", "2  1.48", "3  1.", "4  .75"}));
}

// Records of one make and attribute over the years; the last 1970 record weighs more than any
// vehicle and is left out.
class VehicleWeightsTest : public ::testing::Test {
  protected:
    VehicleWeightsTest() {
        std::string text;
        for (int i = 0; i < 8; ++i) text += "header\r\n";
        for (const char* record :
             {"68|Chevrolet|Camaro|V8 350|3000|50|100|", "68|Chevrolet|Camaro|V8 350|3010|50|100|",
              "70|Chevrolet|Camaro|V8 350|3100|60|-1|", "70|Chevrolet|Camaro|V8 350|1e300|60|-1|",
              "72|Chevrolet|Camaro|V8 350|3205|-1|-1|",
              "72|Chevrolet|Camaro RS|V8 350|3290|-1|-1|"})
            for (const char* c = record; *c; ++c)
                text += *c == '|' ? std::string("\r\n") : std::string(1, *c);
        WriteFileBytes(folder / "vehweight.txt", text + "70\r\nChevrolet\r\n");
        records = ReadVehWeights(folder / "vehweight.txt").records;
        EXPECT_EQ(records.size(), 5u);
    }
    testing::ProgramFolder folder;
    std::vector<VehicleRecord> records;
};

struct Estimate {
    int year;
    const char* make;
    bool automatic, convertible;
    const char *weight, *note;
};

class EstimateTest : public VehicleWeightsTest, public ::testing::WithParamInterface<Estimate> {};

TEST_P(EstimateTest, InterpolatesBetweenYearsAndNeverAddsTheNotOfferedMarker) {
    const Estimate& e = GetParam();
    WeightEstimate estimate = EstimateVehicleWeight(
        records, {e.year, e.make, "Camaro", "V8 350", e.automatic, e.convertible, 0, 5});
    EXPECT_EQ(estimate.weight, e.weight);
    EXPECT_EQ(estimate.note, e.note);
}

// 1969 lies between the first 1968 record and 1970; for 1971 of the newer 1972 matches (the
// Camaro and the longer "Camaro RS") the last one counts: 3100 + (3290 - 3100) / 2 + 60. A make
// in another letter case is no match.
const Estimate kEstimates[] = {
    {1970, "Chevrolet", true, false, "3160", "A good match was found."},
    {1969, "Chevrolet", true, false, "3110", "A good match was found."},
    {1971, "Chevrolet", true, true, "3260",
     "A relatively good match was found.  Note: This vehicle may not have been available with an "
     "automatic.  This vehicle probably was not available as a convertible."},
    {1960, "Chevrolet", true, false, "3060",
     "Estimated weight is based on the closest match found:  1968 Chevrolet Camaro V8 350"},
    {1980, "Chevrolet", true, true, "3210",
     "Estimated weight is based on the closest match found:  1972 Chevrolet Camaro V8 350  Note: "
     "This vehicle probably was not available with an automatic.  This vehicle probably was not "
     "available as a convertible."},
    {1970, "chevrolet", true, false, "", "No close match was found."}};

INSTANTIATE_TEST_SUITE_P(Years, EstimateTest, ::testing::ValuesIn(kEstimates));

TEST_F(VehicleWeightsTest, ListsCascade) {
    EXPECT_EQ(VehicleModels(records, "Chevrolet"),
              (std::vector<std::string>{"Camaro", "Camaro RS"}));
    EXPECT_EQ(VehicleAttributes(records, "Camaro RS"), (std::vector<std::string>{"V8 350"}));
}

// Every sub-menu opens in both unit systems, and in the first lays out its controls without
// overlap, within the window and above the buttons, each input inside its group; every shipped
// transmission has gears.
TEST(ShippedCalcData, EveryMenuOpensAndLaysOutWithoutOverlapAndTheTransmissionsAreThere) {
    testing::ProgramFolder folder;
    for (int kind = kFinalDriveCalc; kind <= kWallThicknessCalc; ++kind) {
        MenuDefinition d;
        for (int units : {1, 0}) {
            MenuDefinitionRead read =
                ReadMenuDefinition(MenuDefinitionPath(folder.Path(), kind, units));
            EXPECT_TRUE(read.outcome.ok) << read.outcome.message;
            d = read.definition;
            EXPECT_FALSE(d.inputs.empty());
            EXPECT_EQ(static_cast<int>(d.inputs.size()), d.lowestInput) << kind;
        }
        CalcLayout layout = LayOutCalcMenu(d, kind);
        std::vector<TwipsRect> placed;
        for (std::size_t i = 1; i <= d.outputs.size(); ++i)
            placed.insert(placed.end(), {layout.outputCaptions[i], layout.outputValues[i]});
        for (std::size_t i = 1; i <= d.inputs.size(); ++i) {
            placed.insert(placed.end(), {layout.inputCaptions[i], layout.inputFields[i]});
            const TwipsRect& group = layout.groups[static_cast<std::size_t>(d.inputs[i - 1].group)];
            EXPECT_TRUE(layout.inputFields[i].top > group.top &&
                        layout.inputFields[i].Bottom() < group.Bottom())
                << kind;
        }
        if (layout.note.height > 0) placed.push_back(layout.note);
        for (std::size_t a = 0; a < placed.size(); ++a) {
            EXPECT_LE(placed[a].Right(), layout.width) << "kind " << kind << " control " << a;
            EXPECT_LT(placed[a].Bottom(), layout.buttonsTop) << "kind " << kind << " control " << a;
            for (std::size_t b = a + 1; b < placed.size(); ++b)
                EXPECT_FALSE(placed[a].Overlaps(placed[b]))
                    << "kind " << kind << ": " << a << " and " << b;
        }
        EXPECT_GT(layout.height, layout.buttonsTop);
    }
    std::vector<Transmission> transmissions = LoadTrans(folder / "CALC" / "trans").transmissions;
    EXPECT_GE(transmissions.size(), 40u);
    for (const Transmission& t : transmissions) EXPECT_GT(t.ratios[0], 0) << t.name;
}

}  // namespace
}  // namespace gyrant
