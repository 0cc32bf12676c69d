#include "wizard/ez_build_wizard.h"

#include <cmath>
#include <optional>
#include <string>

#include "editor/displacement_entry.h"
#include "engine/update_table.h"
#include "files/file_commands.h"
#include "model/row_definitions.h"
#include "model/spec_rows.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

constexpr const char* kTitle = "EZ Build Wizard";
// The wizard pads the choices it fills less than the strip does, and the tire's material one
// blank less still: the cells stay as the wizard has always written them.
constexpr int kWizardChoicePadding = kPartChoicePadding;
constexpr int kWizardTireChoicePadding = kPartChoicePadding - 1;

// One run of the wizard over the worksheet.
class Wizard {
  public:
    Wizard(Worksheet& sheet, RowEditor& editor, Dialogs& dialogs,
           const std::function<void()>& showProgress, WizardTarget target)
        : m_sheet(sheet),
          m_editor(editor),
          m_dialogs(dialogs),
          m_showProgress(showProgress),
          m_target(target) {}

    SavedState Run();

  private:
    bool Start();
    bool BuildVehicle();
    bool OfferOtherVehicle();
    void Finish();
    std::optional<std::string> Ask(int row, int column, const std::string& prompt);
    std::optional<std::string> Checked(int row, const std::string& answer);
    bool AskAndWrite(int row, int column, const std::string& prompt);
    void FillIfBlank(int row, int column, const std::string& text);
    Answer AskYesNoCancel(const std::string& text, const std::string& title);
    SpecTable& Table() { return m_sheet.Table(m_sheet.view.CurrentTable); }

    Worksheet& m_sheet;
    RowEditor& m_editor;
    Dialogs& m_dialogs;
    const std::function<void()>& m_showProgress;
    WizardTarget m_target;
    bool m_frontDrive = false;
    SavedState m_saved = SavedState::None;
};

Answer Wizard::AskYesNoCancel(const std::string& text, const std::string& title) {
    return m_dialogs.ShowMessage({text, title, Buttons::YesNoCancel, Icon::Question, Answer::Yes});
}

SavedState Wizard::Run() {
    if (!Start()) return m_saved;
    // After the offer to save: a Ctrl+S on the new car must never replace the old car's file.
    if (m_target == WizardTarget::NewWorksheet) StartUntitled(m_sheet);
    bool built = BuildVehicle();
    if (built && m_sheet.document.TwoVehicles == 1 && OfferOtherVehicle()) built = BuildVehicle();
    if (built) Finish();
    return m_saved;
}

// Offers, once, to build the vehicle in the other table; true when the user takes it.
bool Wizard::OfferOtherVehicle() {
    int otherTable = kProposed - m_sheet.view.CurrentTable;
    std::string built = VehicleName(m_sheet.view.CurrentTable);
    std::string other = VehicleName(otherTable);
    Answer answer =
        AskYesNoCancel("You just started building a " + built +
                           " Vehicle.  Do you now want to build a " + other + " Vehicle?",
                       "Now Build " + other + " Vehicle?");
    if (answer != Answer::Yes) return false;
    m_sheet.view.CurrentTable = otherTable;
    return true;
}

bool Wizard::Start() {
    if (AskYesNoCancel("This feature will let you quickly build a vehicle, concentrating on the "
                       "most significant "
                       "specs.  It assumes you are working with a Rear Wheel Drive, 4 wheeled "
                       "vehicle.  Do you "
                       "want to continue the EZ Build Wizard?",
                       "Continue EZ Build Wizard?") != Answer::Yes)
        return false;
    if (m_sheet.file.SpecsChanged > 0) {
        Answer save = AskYesNoCancel(
            "Save the current specs on the screen to a file before possibly changing "
            "them using the EZ Build Wizard?",
            "Save Inputs");
        if (save == Answer::Cancel) return false;
        // A save the user wanted but did not get ends the wizard, as it keeps Exit from ending.
        if (save == Answer::Yes) {
            if (!SaveSpecFileAs(m_sheet, m_dialogs)) return false;
            m_saved = SavedState::Start;
        }
    }
    // With one vehicle shown, the one the user sees is the Baseline vehicle.
    Answer which = Answer::Yes;
    if (m_sheet.document.TwoVehicles == 1)
        which = AskYesNoCancel(
            "Do you want to build the Baseline vehicle (the vehicle in the top table)?\r\r"
            "Choose No to build the Proposed vehicle (bottom table)",
            "Build Baseline Vehicle");
    if (which == Answer::Cancel) return false;
    m_sheet.view.CurrentTable = which == Answer::Yes ? kBaseline : kProposed;
    return true;
}

// Asks the questions for the current table; false when an empty answer ended the wizard.
bool Wizard::BuildVehicle() {
    m_frontDrive = false;
    m_editor.SelectRow(kVehicleWeightRow);
    m_showProgress();
    if (!AskAndWrite(kVehicleWeightRow, kColValue, "What is the Vehicle's Weight?")) return false;
    FillIfBlank(kVehicleTypeRow, kColValue,
                ComposeChoice("4 Wheel, Rear Drive", kWizardChoicePadding, 0));
    m_frontDrive = ChoiceNumberInLast(Table().Text(kVehicleTypeRow, kColValue), 3) == 1;
    if (!AskAndWrite(kFinalDriveRow, kColValue,
                     "What is the Vehicle's Final Drive Ratio (rear axle ratio)?"))
        return false;
    if (!AskAndWrite(kGearRatioRow, kColValue,
                     "What is the ratio for the Transmission Ratio you want to analyze?"))
        return false;
    FillIfBlank(kConverterRow, kColValue, ComposeChoice("No", kWizardChoicePadding, 0));
    if (!AskAndWrite(kDisplacementRow, kColValue, "What is the Cubic Inches of the Engine?"))
        return false;
    if (!EnterDisplacement(m_sheet, m_dialogs,
                           NumericValue(Table().Text(kDisplacementRow, kColValue))))
        return false;
    FillIfBlank(kEngineDetailsRow, kColValue,
                ComposeChoice("No, est. perf. eng.", kWizardChoicePadding, 2));
    int tireRow = m_frontDrive ? kFrontTireRow : kRearTireRow;
    std::string end = m_frontDrive ? "Front" : "Rear";
    if (!AskAndWrite(tireRow, kColOD, "What is the Diameter of the vehicle's " + end + " Tire?"))
        return false;
    FillIfBlank(tireRow, kColMaterial, ComposeChoice("Tire", kWizardTireChoicePadding, 1));
    Table().SetCurrentRow(kVehicleWeightRow);
    Recalculate(m_sheet);
    m_showProgress();
    return true;
}

std::optional<std::string> Wizard::Ask(int row, int column, const std::string& prompt) {
    m_sheet.view.CurrentRow = row;
    const std::string& cell = Table().Text(row, column);
    std::string defaultText = IsBlank(cell) ? " " : cell;
    while (true) {
        std::string answer = m_dialogs.InputBox(prompt, kTitle, defaultText);
        if (answer.empty()) return std::nullopt;
        if (std::optional<std::string> checked = Checked(row, answer)) return checked;
    }
}

// The answer as the row takes it, or nothing after telling the user its limits.
std::optional<std::string> Wizard::Checked(int row, const std::string& answer) {
    float high = m_sheet.setup.Rows.RowHighLimit[row][0];
    float low = m_sheet.setup.Rows.RowLowLimit[row][0];
    double value = NumericValue(answer);
    std::string text = PlainNumber(IsWholeNumberLimit(high) ? std::floor(value + 0.5) : value);
    if (WithinLimits(NumericValue(text), low, high)) return text;
    Tell(m_dialogs,
         "Error.  Your entry must be between " + GeneralFormSingle(low) + " and " +
             GeneralFormSingle(high) + ".  Try again.",
         kTitle);
    return std::nullopt;
}

bool Wizard::AskAndWrite(int row, int column, const std::string& prompt) {
    if (row != kVehicleWeightRow) m_editor.SelectRow(row);
    m_showProgress();
    std::optional<std::string> answer = Ask(row, column, prompt);
    if (!answer) return false;
    Table().SetText(row, column, *answer);
    if (row == kVehicleWeightRow) m_editor.Strip().Field(kColValue).text = *answer;
    m_sheet.file.SpecsChanged = 1;
    return true;
}

void Wizard::FillIfBlank(int row, int column, const std::string& text) {
    if (!IsBlank(Table().Text(row, column))) return;
    Table().SetText(row, column, text);
    m_sheet.file.SpecsChanged = 1;
}

void Wizard::Finish() {
    if (AskYesNoCancel("Would you like to save these Specs to a file (which will give it a name of "
                       "your choosing)?",
                       "Save Inputs") == Answer::Yes &&
        SaveSpecFileAs(m_sheet, m_dialogs))
        m_saved = SavedState::End;
    Tell(m_dialogs,
         "You can now make changes to most any specs by clicking on a row in the tables.  The "
         "details for that row will appear at the top of the screen where you can change them.  "
         "Click on the 'Keep Change' button to the right to keep any changes you have then made."
         "\r\rThe table and all percentages will be immediately updated and displayed.",
         "Save Inputs");
    m_editor.SelectRow(kVehicleWeightRow);
}

}  // namespace

SavedState RunEzBuildWizard(Worksheet& sheet, RowEditor& editor, Dialogs& dialogs,
                            const std::function<void()>& showProgress, WizardTarget target) {
    return Wizard(sheet, editor, dialogs, showProgress, target).Run();
}

}  // namespace gyrant
