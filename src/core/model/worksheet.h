#pragma once

// The worksheet: the document a spec file stores, the file behind it, the figures derived from
// it, where the user is, and the program's setup, each in a part of its own.

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "model/row_definitions.h"
#include "model/spec_table.h"

namespace gyrant {

inline constexpr int kBaseline = 0;
inline constexpr int kProposed = 1;

// The vehicle a table holds, as the strip, the wizard and the analyses name it.
inline const char* VehicleName(int index) {
    return index == kBaseline ? "Baseline" : "Proposed";
}

// Vehicle-wide flags the layout pass derives from a table's own rows; that table's
// calculation uses them.
struct VehicleFlags {
    int HasConverter = 0;
    int IsMotorcycle = 0;
    int HasPrimaryReduction = 0;
    int FrontDrive = 0;
    int EngineDetails = 0;
    int EngineEstClass = 0;
};

// Speed factors in radians of a part per foot of vehicle travel, and the ratios behind them.
struct SpeedFactors {
    double FrontWheelFactor = 0;
    double RearWheelFactor = 0;
    double DrivenWheelFactor = 0;
    double FinalDriveRatio = 0;
    double DriveshaftFactor = 0;
    double TransRatio = 0;
    double TransInputFactor = 0;
    double EngineFactor = 0;
    int ConverterCode = 0;
};

// The engine as last read from a table: cylinders, bore, stroke and what follows from them.
struct EngineFigures {
    double Cylinders = 0;
    double Bore = 0;
    double Stroke = 0;
    double EngineCID = 0;
    double EstimatedEngineInertia = 0;
};

// The program's settings as its settings file holds them.
struct ProgramSettings {
    int unitSystem = 0;
    std::array<int, 3> tipOff{};
    int weightOption = 0;
    std::string browserPath;
    int twoVehicles = 0;
};

// A file on disk as it was when last read or written: which file it is, its size and its last
// change to the nanosecond.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// What a spec file stores and an undo step puts back: the cells of both tables, the vehicle
// count, the weights option, the comments and the stored options this version does not know.
// The user's edits, a file read and Undo write it. Each SpecTable also carries its set-up, its
// row heights (the layout pass's) and its current row (the view's); the file keeps only cells.
struct WorksheetDocument {
    SpecTable& Table(int index) { return tables.at(static_cast<std::size_t>(index)); }
    const SpecTable& Table(int index) const { return tables.at(static_cast<std::size_t>(index)); }

    std::array<SpecTable, 2> tables{SpecTable(kBaselineColumns), SpecTable(kProposedColumns)};
    int TwoVehicles = 0;
    int WeightOption = 0;
    std::string FileComments;
    // The options of its spec file that this version does not know, written back as read.
    std::string OtherStoredOptions;
    // The straight-line run's inputs as the user typed them, by name ("power" = "350@5500");
    // what is not here takes its default for the kind of vehicle.
    std::map<std::string, std::string> RunEntries;
};

// The spec file behind the document as the last read or write left it, and whether the document
// changed since. Reads and writes set the file and clear the mark; after each command, Undo and
// Redo the undo history sets the mark from the states known to be saved.
struct DocumentFile {
    std::string CurrentFilePath = "Untitled";
    FileStamp CurrentFileStamp;  // the file at CurrentFilePath as last read or written
    std::string DisplayName;
    int SpecsChanged = 0;
};

// What the layout pass and the recalculation derive from the document; never stored, never
// undone, recomputed after every change.
struct DerivedFigures {
    std::array<VehicleFlags, 2> flags{};
    SpeedFactors Speeds;
    EngineFigures Engine;
    // Each table's note on the inputs its inertias still need, empty when none.
    std::array<std::string, 2> ratioNotes;
};

// Where the user is: the table and the row the strip edits. Clicks on the tables, the wizard
// and opening a file move it.
struct ViewState {
    int CurrentTable = kBaseline;
    int CurrentRow = 1;
};

// What the program brings to any worksheet: its folders, its settings and the row definitions
// from its data files. Start-up, the settings file and the Options and Help menus write it.
struct ProgramSetup {
    RowDefinitions Rows;
    // The folder of the program's data files, and those of its settings and worksheets when
    // they are kept elsewhere (empty: beside the data).
    std::filesystem::path ProgramFolder;
    std::filesystem::path SettingsFolder;
    std::filesystem::path SpecFolder;
    // Why the settings last only while the program runs, or empty when they are kept in a file.
    std::string SettingsUnkept;
    int UnitSystem = 0;
    std::array<int, 4> TipOff{};
    std::string BrowserPath;
    // The settings as last read from or written to the settings file.
    ProgramSettings SettingsAsKept;
};

// The one worksheet both programs make and pass by reference, in its parts.
struct Worksheet {
    Worksheet() = default;
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    SpecTable& Table(int index) { return document.Table(index); }
    const SpecTable& Table(int index) const { return document.Table(index); }
    VehicleFlags& Flags(int index) { return derived.flags.at(static_cast<std::size_t>(index)); }
    const VehicleFlags& Flags(int index) const {
        return derived.flags.at(static_cast<std::size_t>(index));
    }
    std::string& RatioNote(int index) {
        return derived.ratioNotes.at(static_cast<std::size_t>(index));
    }
    const std::string& RatioNote(int index) const {
        return derived.ratioNotes.at(static_cast<std::size_t>(index));
    }

    WorksheetDocument document;
    DocumentFile file;
    DerivedFigures derived;
    ViewState view;
    ProgramSetup setup;
};

}  // namespace gyrant
