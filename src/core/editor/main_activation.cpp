#include "editor/main_activation.h"

#include "engine/layout.h"
#include "files/program_places.h"
#include "model/spec_rows.h"

namespace gyrant {

bool ReturnToMainWindow(Worksheet& sheet, RowEditor& editor, Dialogs& dialogs, bool keepRow) {
    if (keepRow || !editor.ConfirmLeavingRow()) return false;
    Outcome setup = SetupWorksheet(sheet);
    if (!setup.ok) Tell(dialogs, setup.message, "Gyrant", Icon::Critical);
    RefreshLayout(sheet);
    sheet.Table(kBaseline).SetCurrentRow(kVehicleWeightRow);
    editor.TableClick(kBaseline, kVehicleWeightRow);
    return true;
}

}  // namespace gyrant
