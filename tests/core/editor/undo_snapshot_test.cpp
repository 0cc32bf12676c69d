#include "editor/undo_snapshot.h"

#include <gtest/gtest.h>

#include "editor/options.h"
#include "engine/update_table.h"
#include "files/file_commands.h"
#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

class UndoSnapshotTest : public testing::SheetTest, public ::testing::WithParamInterface<int> {};

// Keep Change, Copy Down, comments and both options are undone and done again from snapshots:
// the results recalculated, the worksheet unchanged only at its saved state, options kept.
TEST_P(UndoSnapshotTest, UndoAndRedoRecalculateAndMarkAllButTheSavedState) {
    const std::function<void()> changes[] = {[&] {
                                                 editor.TableClick(kBaseline, 20);
                                                 editor.Strip().Field(kColOD).text = "5";
                                                 editor.KeepChange();
                                             },
                                             [&] {
                                                 dialogs.answers = {Answer::Yes};
                                                 editor.CopyDown();
                                             },
                                             [&] { KeepComments(sheet, "Street tires\r\n"); },
                                             [&] { SetWeightOption(sheet, true, dialogs); },
                                             [&] { SetVehicleCount(sheet, true, dialogs); }};
    Recalculate(sheet);
    WorksheetSnapshot before = TakeSnapshot(sheet);
    changes[GetParam()]();
    WorksheetSnapshot after = TakeSnapshot(sheet);
    ASSERT_NE(before, after);
    WorksheetSnapshot stale = before;
    stale.cells[kBaseline][31 * kBaselineColumns + kColEqWt] = "1";
    for (bool saved : {true, false}) {
        RestoreSnapshot(sheet, saved ? stale : after, saved, dialogs);
        EXPECT_EQ(TakeSnapshot(sheet), saved ? before : after);
        EXPECT_EQ(sheet.SpecsChanged, saved ? 0 : 1);
        Worksheet settings;
        ReadSettings(settings, SettingsPath(sheet));
        EXPECT_EQ(settings.WeightOption * 2 + settings.TwoVehicles,
                  sheet.WeightOption * 2 + sheet.TwoVehicles);
    }
}

INSTANTIATE_TEST_SUITE_P(KeepCopyCommentsOptions, UndoSnapshotTest, ::testing::Range(0, 5));

}  // namespace
}  // namespace gyrant
