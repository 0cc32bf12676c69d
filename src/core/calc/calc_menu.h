#pragma once

// A calculation sub-menu as a model: built from its definition file and the editing strip, it
// recalculates its outputs as the inputs change and writes its result back into the strip.

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "calc/menu_definition.h"
#include "calc/transmissions.h"
#include "calc/vehicle_weights.h"
#include "model/strip_fields.h"
#include "model/worksheet.h"
#include "ports/dialogs.h"

namespace gyrant {

struct CalcInput {
    std::string caption;
    bool choice = false;
    std::vector<std::string> items;
    int listIndex = -1;
    std::string text;
    bool shown = false;
    bool enabled = false;
    double high = 0;  // `InputHigh`
    double low = 0;   // `InputLow`
    int group = 1;
};

struct CalcOutput {
    std::string caption;
    std::string text;
    bool shown = false;
    bool enabled = false;
};

// The footer a printed sub-menu carries in place of its buttons: the program, the spec file's
// display name and the time of printing, then the user's comment; lines end in CR.
std::string PrintFooter(const std::string& displayName, const std::tm& when,
                        const std::string& comment);

class CalcMenu {
  public:
    CalcMenu(const Worksheet& sheet, StripFields& strip, int calcMenuKind);

    // Reads the definition file and the kind's data file, makes the kind's set-ups and
    // recalculates. A missing or damaged file, or an unknown kind, is a failure and the menu
    // must not open.
    Outcome Open();

    int Kind() const { return m_kind; }
    const MenuDefinition& Definition() const { return m_definition; }
    const std::string& Caption() const { return m_definition.caption; }
    const std::string& NoteText() const { return m_noteText; }
    bool NoteShown() const { return m_definition.hasNote || m_kind == kVehicleWeightCalc; }
    CalcInput& Input(int k) { return m_inputs.at(static_cast<std::size_t>(k)); }
    const CalcOutput& Output(int k) const { return m_outputs.at(static_cast<std::size_t>(k)); }
    int InputCount() const { return static_cast<int>(m_definition.inputs.size()); }
    // The engine calculations only show their result; the other kinds fill the strip.
    bool WritesBack() const {
        return m_kind != kDeckHeightCalc && m_kind != kDeckClearanceCalc &&
               m_kind != kDomeVolumeCalc;
    }
    // True while the strip shows the row the menu was opened over; the engine calculations,
    // which write nothing back, belong to no row.
    bool StripShowsItsRow() const { return !WritesBack() || m_strip.ShownRow() == m_row; }
    // The caption of the button that closes the window without using its value.
    std::string CloseCaption() const { return WritesBack() ? "Cancel" : "Close"; }

    // Recalculates the outputs from the inputs as they are.
    void Recalculate();
    // A numeric input left: its text becomes the number it starts with, checked against its
    // limits. Returns the warning when refused; the previous text is then back in the input. An
    // emptied input recalculates, so no output shows a result of the number that is gone.
    std::optional<std::string> LeaveInput(int k, const std::string& previousText);
    // A choice made in a list.
    void ListClick(int k, int index);
    // "Use Calc Value": writes the result into the strip; true when the window should close. A
    // kind that writes nothing back leaves the strip alone and stays open; a strip that has left
    // the menu's row gets nothing and the menu closes.
    bool UseCalcValue(Dialogs& dialogs);

  private:
    Outcome LoadData();
    void SetUpKind();
    void RecalculateFinalDrive();
    void RecalculateTireSize();
    void RecalculateVehicleWeight();
    void RecalculateTransmission();
    void RecalculateWallThickness();
    void RecalculateDeck();
    void RecalculateDomeVolume();
    void SetUpWallThickness();
    void SetUpEngineCalc();
    void SetVolumeKind();
    std::string EngineLength(int row) const;
    double In(int k) const;
    void Use(std::initializer_list<int> used, std::initializer_list<int> all);
    void ShowResult(double value, const char* picture, bool result);
    void WriteBack(Dialogs& dialogs, bool& close);

    const Worksheet& m_sheet;
    StripFields& m_strip;
    TableRow m_row;  // the strip's row when the menu opened
    int m_kind;
    MenuDefinition m_definition;
    std::array<CalcInput, kMostCalcInputs + 1> m_inputs;
    std::array<CalcOutput, kMostCalcOutputs + 1> m_outputs;
    std::string m_noteText;
    int m_lastComboClicked = 0;
    double m_stroke = 0;  // the deck calculations' stroke, in the menu's length unit
    std::string m_volumeKind;
    std::vector<VehicleRecord> m_vehicles;
    std::vector<Transmission> m_transmissions;
};

}  // namespace gyrant
