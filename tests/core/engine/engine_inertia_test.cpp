#include "engine/engine_inertia.h"

#include <gtest/gtest.h>

#include "support/fake_dialogs.h"

namespace gyrant {
namespace {

class NewEngineDimsTest : public ::testing::Test {
  protected:
    SpecTable& Table() { return sheet.Table(kBaseline); }
    const std::string& Cell(int row) { return Table().Text(row, kColValue); }
    void SetEngine(const std::string& cylinders, const std::string& bore,
                   const std::string& stroke) {
        Table().SetText(9, kColValue, cylinders);
        Table().SetText(10, kColValue, bore);
        Table().SetText(11, kColValue, stroke);
    }
    Worksheet sheet;
    testing::FakeDialogs dialogs;
};

TEST_F(NewEngineDimsTest, NewDisplacementGivesBoreAndStrokeKeepingAStrokeAlreadyThere) {
    struct Case {
        const char *bore, *stroke;
        double cid;
        const char *newBore, *newStroke;
    };
    for (const Case& c :
         {Case{"", "", 302, "3.835", "3.268"}, Case{"", "3.00", 302, "4.003", "3.000"},
          Case{"4", "", 350, "4.000", "3.482"},
          // A displacement of 0 or below has no bore and stroke.
          Case{"", "", 0, "", ""}, Case{"4", "3", -10, "4", "3"}}) {
        SetEngine("8", c.bore, c.stroke);
        Table().SetCurrentRow(1);
        BuildNewEngineDims(sheet, dialogs, c.cid);
        EXPECT_EQ(Cell(10), c.newBore) << c.cid;
        EXPECT_EQ(Cell(11), c.newStroke) << c.cid;
        EXPECT_EQ(Table().CurrentRow(), 8);
    }
    EXPECT_TRUE(dialogs.inputsAsked.empty());
}

// The cylinders are asked for when missing: one warning, then eight after a second bad answer.
TEST_F(NewEngineDimsTest, MissingCylinderCountIsAskedFor) {
    for (auto [answers, cylinders] :
         {std::pair{std::vector<std::string>{"6"}, "6"}, {{"0", "20", "4"}, "8"}}) {
        dialogs.messages.clear();
        dialogs.inputsAsked.clear();
        dialogs.inputs = {answers.begin(), answers.end()};
        SetEngine("", "", "");
        BuildNewEngineDims(sheet, dialogs, 302);
        EXPECT_EQ(dialogs.inputsAsked[0].prompt, "How many cylinders are in this engine (1-16)?");
        EXPECT_EQ(dialogs.inputsAsked[0].title, "Enter Number of Cylinders");
        EXPECT_EQ(dialogs.inputsAsked.size(), std::min<std::size_t>(answers.size(), 2));
        EXPECT_EQ(dialogs.messages.size(), answers.size() > 1 ? 1u : 0u);
        EXPECT_EQ(Cell(9), cylinders);
    }
    EXPECT_EQ(dialogs.messages[0].text,
              "The value must be between 1 and 16.  Try again or click on Cancel.");
    EXPECT_EQ(Cell(11), "3.268");
}

}  // namespace
}  // namespace gyrant
