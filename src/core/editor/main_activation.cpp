#include "editor/main_activation.h"

#include "engine/layout.h"
#include "files/program_places.h"

namespace gyrant {

bool ReturnToMainWindow(Worksheet& sheet, RowEditor& editor, Dialogs& dialogs, bool keepRow) {
    if (keepRow || !editor.ConfirmLeavingRow()) return false;
    Outcome setup = SetupWorksheet(sheet);
    if (!setup.ok)
        dialogs.ShowMessage({setup.message, "Gyrant", Buttons::Ok, Icon::Critical, Answer::Ok});
    RefreshLayout(sheet);
    sheet.Table(kBaseline).SetCurrentRow(1);
    editor.TableClick(kBaseline, 1);
    return true;
}

}  // namespace gyrant
