#include "calc_command.h"

#include <optional>

#include "engine/update_table.h"
#include "files/program_places.h"
#include "files/spec_file.h"
#include "model/spec_rows.h"
#include "pdf_report.h"
#include "table_export.h"
#include "text/windows1252.h"

namespace gyrant {
namespace {

constexpr const char* kUsage =
    "Usage: gyrant-calc [--weights-add] [--csv] [--write OUT] [--pdf REPORT] FILE\n"
    "Recalculates the spec file FILE and prints both vehicles' tables.\n"
    "  --weights-add  the weight of each rotating part adds to the vehicle weight\n"
    "  --csv          print the tables as CSV, every cell exactly as held\n"
    "  --write OUT    also save the recalculated worksheet as the spec file OUT\n"
    "  --pdf REPORT   also write the printed report to the PDF file REPORT\n";

struct CalcOptions {
    bool weightsAdd = false;
    bool csv = false;
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

    if (options->csv)
        WriteCsvTables(sheet, out);
    else
        WriteAlignedTables(sheet, out);

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
