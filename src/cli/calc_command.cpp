#include "calc_command.h"

#include <optional>

#include "analysis_export.h"
#include "engine/update_table.h"
#include "files/program_places.h"
#include "files/spec_file.h"
#include "model/spec_rows.h"
#include "pdf_report.h"
#include "table_export.h"
#include "text/cell_text.h"
#include "text/windows1252.h"

namespace gyrant {
namespace {

constexpr const char* kUsage =
    "Usage: gyrant-calc [--weights-add] [--csv] [--gears RATIOS] [--json] [--write OUT]\n"
    "                   [--pdf REPORT] FILE\n"
    "Recalculates the spec file FILE and prints both vehicles' tables.\n"
    "  --weights-add  the weight of each rotating part adds to the vehicle weight\n"
    "  --csv          print the tables as CSV, every cell exactly as held\n"
    "  --gears RATIOS print the vehicles in every gear instead, RATIOS being up to 8\n"
    "                 gear ratios such as 2.52,1.52,1.00 (the gear studied marked *)\n"
    "  --json         print every cell, where the weight goes and the gear studied (or every\n"
    "                 gear of --gears) as JSON\n"
    "  --write OUT    also save the recalculated worksheet as the spec file OUT\n"
    "  --pdf REPORT   also write the printed report to the PDF file REPORT\n";

struct CalcOptions {
    bool weightsAdd = false;
    bool csv = false;
    bool json = false;
    std::optional<std::string> gears;
    std::optional<std::string> writeTo;
    std::optional<std::string> pdfTo;
    std::string file;
};

std::optional<CalcOptions> ParseOptions(const std::vector<std::string>& arguments) {
    CalcOptions options;
    bool haveFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--weights-add") {
            options.weightsAdd = true;
        } else if (argument == "--csv") {
            options.csv = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--gears" && i + 1 < arguments.size()) {
            options.gears = arguments[++i];
        } else if (argument == "--write" && i + 1 < arguments.size()) {
            options.writeTo = arguments[++i];
        } else if (argument == "--pdf" && i + 1 < arguments.size()) {
            options.pdfTo = arguments[++i];
        } else if (argument.starts_with("--") || haveFile) {
            return std::nullopt;
        } else {
            options.file = argument;
            haveFile = true;
        }
    }
    if (!haveFile) return std::nullopt;
    return options;
}

// Reads the file as Open does and recalculates it; returns an exit code when it cannot go on.
std::optional<int> OpenAndRecalculate(Worksheet& sheet, const CalcOptions& options,
                                      std::ostream& err) {
    Outcome setup = SetupWorksheet(sheet);
    if (!setup.ok) {
        err << Utf8Text(setup.message) << '\n';
        return kCalcFailed;
    }
    SpecFileResult read = ReadSpecFile(sheet, options.file);
    if (read.status == SpecFileStatus::NotSpecFile) {
        err << Utf8Text(read.message) << '\n';
        return kCalcNotSpecFile;
    }
    if (read.status == SpecFileStatus::Unreadable) {
        err << Utf8Text(read.message) << '\n';
        return kCalcFailed;
    }
    if (read.status == SpecFileStatus::Incomplete) err << Utf8Text(read.message) << '\n';
    sheet.CurrentTable = kBaseline;
    sheet.Table(kBaseline).SetCurrentRow(kVehicleWeightRow);
    Recalculate(sheet);
    return std::nullopt;
}

// The gears asked for, or the gear studied alone; nothing after telling why the list is refused.
std::optional<std::vector<GearFigures>> Gears(const Worksheet& sheet, const CalcOptions& options,
                                              std::ostream& err) {
    std::vector<double> ratios = {
        NumericValue(sheet.Table(kBaseline).Text(kGearRatioRow, kColValue))};
    if (options.gears) {
        GearRatiosRead read = ReadGearRatios(*options.gears, sheet);
        if (!read.outcome.ok) {
            err << Utf8Text(read.outcome.message) << '\n';
            return std::nullopt;
        }
        ratios = read.ratios;
    }
    return FiguresInEveryGear(sheet, ratios);
}

void WriteResult(const Worksheet& sheet, const CalcOptions& options,
                 const std::vector<GearFigures>& gears, std::ostream& out) {
    if (options.json)
        WriteJson(sheet, gears, out);
    else if (options.gears)
        WriteGearTable(sheet, gears, options.csv, out);
    else if (options.csv)
        WriteCsvTables(sheet, out);
    else
        WriteAlignedTables(sheet, out);
}

}  // namespace

int RunCalcCommand(const std::vector<std::string>& arguments,
                   const std::filesystem::path& programFolder, std::ostream& out,
                   std::ostream& err) {
    std::optional<CalcOptions> options = ParseOptions(arguments);
    if (!options) {
        err << kUsage;
        return kCalcFailed;
    }
    Worksheet sheet;
    sheet.ProgramFolder = DataFolderOf(programFolder);
    sheet.WeightOption = options->weightsAdd ? 1 : 0;
    if (std::optional<int> failed = OpenAndRecalculate(sheet, *options, err)) return *failed;

    std::optional<std::vector<GearFigures>> gears = Gears(sheet, *options, err);
    if (!gears) return kCalcFailed;
    WriteResult(sheet, *options, *gears, out);

    if (options->pdfTo) {
        Outcome report = WritePdfReport(sheet, *options->pdfTo, programFolder);
        if (!report.ok) {
            err << Utf8Text(report.message) << '\n';
            return kCalcFailed;
        }
    }
    if (options->writeTo) {
        SpecFileResult written = WriteSpecFile(sheet, *options->writeTo);
        if (written.status != SpecFileStatus::Done) {
            err << Utf8Text(written.message) << '\n';
            return kCalcFailed;
        }
    }
    return kCalcDone;
}

}  // namespace gyrant
