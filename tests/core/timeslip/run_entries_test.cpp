#include "timeslip/run_entries.h"

#include <gtest/gtest.h>

namespace gyrant {
namespace {

const auto kCaseName = [](const auto& test) { return std::string(test.param.name); };

struct EntryCase {
    const char* name;
    const char* key;
    const char* text;
    const char* message;  // empty when the entry is taken
    friend void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }
};

const EntryCase kEntries[] = {
    {"PeakPower", "power", "350@5500", ""},
    {"PeakWithBlanks", "torque", " 380 @ 4000 ", ""},
    {"PeakWithoutRpm", "power", "350",
     "Peak power takes HP@RPM, such as 350@5500; \"350\" is not."},
    {"PeakNotAFigure", "torque", "x@4000", "Peak torque takes LBFT@RPM, such as 380@4000;"},
    {"PeakPowerBeyondItsLimits", "power", "nan@5500",
     "Peak power must be between 1 and 20000 hp at 100 to 20000 rpm."},
    {"PeakAtAnRpmBeyondItsLimits", "torque", "380@1e308", "Peak torque must be between 1 and"},
    {"CurvePoints", "torque-curve", "2000:300, 4000:380,6000:330", ""},
    {"CurvePointBeyondItsLimits", "torque-curve", "2000:300, 1e300:1",
     "Each point of the torque curve must be between 0 and 20000 lb-ft at 100 to 20000 rpm."},
    {"CurvePointWithoutTorque", "torque-curve", "2000:300, 4000",
     "Torque curve takes RPM:LBFT, ..."},
    {"NumberWithinLimits", "grip", "1.2", ""},
    {"NumberOutsideLimits", "grip", "9", "Grip must be between 0.3 and 4."},
    {"NotANumber", "launch", "3k", "Launch rpm takes a number; \"3k\" is not."},
    {"UnknownKey", "boost", "1", "\"boost\" is not an input of the run."},
};

class EntryTest : public ::testing::TestWithParam<EntryCase> {};

// Where a value is typed it is taken, or refused with the usual warning naming the input.
TEST_P(EntryTest, IsTakenOrRefusedWithAWarning) {
    Outcome checked = CheckEntry(GetParam().key, GetParam().text);
    EXPECT_EQ(checked.ok, *GetParam().message == 0);
    EXPECT_EQ(checked.message.rfind(GetParam().message, 0), 0u) << checked.message;
}

INSTANTIATE_TEST_SUITE_P(Entries, EntryTest, ::testing::ValuesIn(kEntries), kCaseName);

// A pasted page or a damaged file gives a message a window can show.
TEST(EntryTest, EchoesALongEntryCutShort) {
    EXPECT_EQ(CheckEntry("grip", std::string(5000, 'x')).message,
              "Grip takes a number; \"" + std::string(24, 'x') + "...\" is not.");
}

const RunEntries kPeaks = {{"power", "350@5500"}, {"torque", "380@4000"}};

RunEntries With(RunEntries entries, const std::string& key, const std::string& text) {
    entries[key] = text;
    return entries;
}

TEST(ReadRunEntriesTest, TypedValuesReplaceTheDefaultsOfTheKind) {
    RunInputsRead read = ReadRunEntries(With(kPeaks, "grip", "1.4"), {.automatic = true});
    ASSERT_TRUE(read.outcome.ok) << read.outcome.message;
    EXPECT_EQ(read.inputs.grip, 1.4);
    EXPECT_EQ(read.inputs.launchRpm, DefaultRunInputs({.automatic = true}).launchRpm);
    EXPECT_EQ(read.inputs.engine.peaks.hpRpm, 5500);
    EXPECT_EQ(read.inputs.engine.peaks.torque, 380);
}

TEST(ReadRunEntriesTest, TypedPointsAreTakenBeforeThePeaks) {
    RunInputsRead read = ReadRunEntries(With(kPeaks, "torque-curve", "2000:300, 5000:400"), {});
    ASSERT_TRUE(read.outcome.ok) << read.outcome.message;
    ASSERT_EQ(read.inputs.engine.points.size(), 2u);
    EXPECT_EQ(read.inputs.engine.points[1].torque, 400);
}

struct RefusedCase {
    const char* name;
    RunEntries entries;
    const char* refusedKey;
    const char* message;
    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }
};

const RefusedCase kRefused[] = {
    {"NoEngine", {{"grip", "1"}}, "", "A time slip needs the engine:"},
    {"PowerAlone", {{"power", "350@5500"}}, "", "A time slip needs the engine:"},
    {"ANumberOutsideItsLimits", With(kPeaks, "shift", "50"), "shift", "Shift rpm must be"},
    {"PeaksOfNoCurve", With(kPeaks, "torque", "300@4000"), "torque", "350 hp at 5500 rpm is"},
    {"OnePointCurve", {{"torque-curve", "2000:300"}}, "torque-curve", "Give at least two rpm"},
};

class RefusedTest : public ::testing::TestWithParam<RefusedCase> {};

// A run that cannot be made names the entry to mend, so the window can take the user to it.
TEST_P(RefusedTest, NamesTheEntryToMend) {
    RunInputsRead read = ReadRunEntries(GetParam().entries, {});
    EXPECT_FALSE(read.outcome.ok);
    EXPECT_EQ(read.refusedKey, GetParam().refusedKey);
    EXPECT_EQ(read.outcome.message.rfind(GetParam().message, 0), 0u) << read.outcome.message;
}

INSTANTIATE_TEST_SUITE_P(Entries, RefusedTest, ::testing::ValuesIn(kRefused), kCaseName);

// Each field's name carries its unit or form, but never twice ("Shift rpm", not "Shift rpm (rpm)").
TEST(EntriesShownTest, NameEachEntryWithItsUnitOnce) {
    std::map<std::string, std::string> labels;
    for (const EntryShown& shown : EntriesShown()) labels[shown.key] = shown.label;
    EXPECT_EQ(labels.size(), EngineEntries().size() + RunInputLimits().size());
    EXPECT_EQ(labels["power"], "Peak power (HP@RPM)");
    EXPECT_EQ(labels["shift"], "Shift rpm");
    EXPECT_EQ(labels["shift-time"], "Shift time (s)");
    EXPECT_EQ(labels["grip"], "Grip");
}

struct PlaceholderCase {
    const char* name;
    const char* key;
    RunEntries entries;
    VehicleKind kind;
    const char* shown;
    friend void PrintTo(const PlaceholderCase& c, std::ostream* os) { *os << c.name; }
};

const PlaceholderCase kPlaceholders[] = {
    {"LaunchOfAnAutomatic", "launch", {}, {.automatic = true}, "2500"},
    {"AirDensityAsTyped", "air-density", {}, {}, "0.002377"},
    {"ShiftBeforeTheEngine", "shift", {}, {}, "power peak + 10%"},
    {"ShiftPastThePowerPeak", "shift", kPeaks, {}, "6050 (power peak + 10%)"},
    {"ShiftOfPeaksOfNoCurve", "shift", With(kPeaks, "torque", "300@4000"), {}, "power peak + 10%"},
    {"CgOfAMotorcycle", "cg-height", {}, {.motorcycle = true}, "not given: the static share alone"},
    {"PeakPower", "power", {}, {}, "such as 350@5500"},
};

class PlaceholderTest : public ::testing::TestWithParam<PlaceholderCase> {};

// An empty field shows what it stands for in this vehicle's run.
TEST_P(PlaceholderTest, ShowsTheDefaultOfTheKind) {
    EXPECT_EQ(EntryPlaceholder(GetParam().key, GetParam().entries, GetParam().kind),
              GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Entries, PlaceholderTest, ::testing::ValuesIn(kPlaceholders), kCaseName);

}  // namespace
}  // namespace gyrant
