#pragma once

// The worksheet: both spec tables, the row definitions and every program-wide setting and
// result the windows, the calculations and the files share. It is the one document object.

#include <array>
#include <cstdint>
#include <filesystem>
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

struct Worksheet {
    Worksheet() = default;
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    SpecTable& Table(int index) { return tables.at(static_cast<std::size_t>(index)); }
    const SpecTable& Table(int index) const { return tables.at(static_cast<std::size_t>(index)); }
    VehicleFlags& Flags(int index) { return flags.at(static_cast<std::size_t>(index)); }
    const VehicleFlags& Flags(int index) const { return flags.at(static_cast<std::size_t>(index)); }
    std::string& RatioNote(int index) { return ratioNotes.at(static_cast<std::size_t>(index)); }
    const std::string& RatioNote(int index) const {
        return ratioNotes.at(static_cast<std::size_t>(index));
    }

    std::array<SpecTable, 2> tables{SpecTable(kBaselineColumns), SpecTable(kProposedColumns)};
    RowDefinitions Rows;

    // The folder of the program's data files, and those of its settings and worksheets when
    // they are kept elsewhere (empty: beside the data).
    std::filesystem::path ProgramFolder;
    std::filesystem::path SettingsFolder;
    std::filesystem::path SpecFolder;
    // Why the settings last only while the program runs, or empty when they are kept in a file.
    std::string SettingsUnkept;

    int CurrentTable = kBaseline;
    int CurrentRow = 1;
    int TwoVehicles = 0;
    int WeightOption = 0;
    int UnitSystem = 0;
    int SpecsChanged = 0;

    std::array<VehicleFlags, 2> flags{};
    SpeedFactors Speeds;
    EngineFigures Engine;
    // Each table's note on the inputs its inertias still need, empty when none.
    std::array<std::string, 2> ratioNotes;

    std::string FileComments;
    // The options of its spec file that this version does not know, written back as read.
    std::string OtherStoredOptions;
    std::string CurrentFilePath = "Untitled";
    FileStamp CurrentFileStamp;  // the file at CurrentFilePath as last read or written
    std::string DisplayName;

    std::array<int, 4> TipOff{};
    std::string BrowserPath;
    // The settings as last read from or written to the settings file.
    ProgramSettings SettingsAsKept;
};

}  // namespace gyrant
