#include "calc_command.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include "analysis/weight_shares.h"
#include "analysis_export.h"
#include "engine/update_table.h"
#include "files/program_places.h"
#include "files/spec_file.h"
#include "model/spec_rows.h"
#include "pdf_report.h"
#include "table_export.h"
#include "text/cell_text.h"
#include "text/windows1252.h"
#include "timeslip/strip_run.h"
#include "timeslip_export.h"

namespace gyrant {
namespace {

constexpr const char* kUsage =
    "Usage: gyrant-calc [--weights-add | --weights-stay] [--csv] [--gears RATIOS] [--json]\n"
    "                   [--answer] [--write OUT] [--pdf REPORT] FILE\n"
    "       gyrant-calc --timeslip --power HP@RPM --torque LBFT@RPM [--shift RPM]\n"
    "                   [--launch RPM] [--grip MU] [--gears RATIOS] [--json] FILE\n"
    "       gyrant-calc --help | -h\n"
    "Recalculates the spec file FILE and prints both vehicles' tables.\n"
    "  --weights-add  the weight of each rotating part adds to the vehicle weight\n"
    "  --weights-stay the vehicle weight stays the total, rotating parts included; without\n"
    "                 either, the option FILE was saved with, else this one\n"
    "  --csv          print the tables as CSV, every cell exactly as held\n"
    "  --gears RATIOS print the vehicles in every gear instead, RATIOS being up to 8\n"
    "                 gear ratios such as 2.52,1.52,1.00 (the gear studied marked *)\n"
    "  --json         print every cell, where the weight goes and the gear studied (or every\n"
    "                 gear of --gears) as JSON\n"
    "  --answer       print the answer instead: how much lighter the Proposed vehicle is, what\n"
    "                 that is worth in acceleration (and, with the engine stored with FILE, in\n"
    "                 quarter-mile seconds, an estimate) and which part buys the most\n"
    "  --write OUT    also save the recalculated worksheet as the spec file OUT\n"
    "  --pdf REPORT   also write the printed report to the PDF file REPORT (not FILE)\n"
    "  --timeslip     print instead an estimate of both vehicles' time slips from a standing\n"
    "                 start to the quarter mile, the difference and the seconds each part\n"
    "                 buys; with --json, as JSON. The run uses the gears of --gears, else the\n"
    "                 gear row's ratio, and the inputs stored with FILE, each option below\n"
    "                 taking the place of the stored one. It needs the engine:\n"
    "    --power HP@RPM    peak power and its rpm, such as 350@5500\n"
    "    --torque LBFT@RPM peak torque and its rpm, such as 380@4000\n"
    "    --shift RPM       shift rpm (1000 to 20000; default 10% past the power peak)\n"
    "    --launch RPM      launch rpm (500 to 15000; default 2500 with a converter, a\n"
    "                      typical stall, else 3000, a moderate clutch launch)\n"
    "    --grip MU         driven tires' grip (0.3 to 4; default 1.0, street tires on a\n"
    "                      prepared strip)\n"
    "    --torque-curve RPM:LBFT,...  typed torque points, taken before the peaks\n"
    "    --shift-time, --efficiency, --rolling, --drag-area, --air-density, --cg-height,\n"
    "    --wheelbase, --driven-share, --stall-ratio, --coupling, --loaded-radius VALUE\n"
    "                      the run's other inputs, as the On the Strip tab names them\n"
    "                 It assumes standard air, a coupe's drag (a motorcycle's with its rider),\n"
    "                 typical drivetrain losses and shift times, and no wheelspin past grip;\n"
    "                 each part's Eq. Wt counts in every gear, and each mph is the speed at\n"
    "                 the line, not a 66 ft average. The help of the On the Strip tab gives\n"
    "                 the model, its defaults and a worked example.\n"
    "  --help, -h     print this text and do nothing else\n"
    "Exit codes: 0 done; 1 FILE, the data files, OUT, REPORT or the output could not be read\n"
    "or written, or an option is missing or wrong; 2 FILE is not a spec file, or REPORT\n"
    "names FILE.\n";

struct CalcOptions {
    bool help = false;
    std::optional<int> weightOption;  // as asked for; otherwise as FILE stores it
    bool csv = false;
    bool json = false;
    bool answer = false;
    bool timeslip = false;
    RunEntries slip;  // the run's options, by the entries they set
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
        if (argument == "--weights-add" || argument == "--weights-stay") {
            int asked = argument == "--weights-add" ? 1 : 0;
            // Both options at once contradict each other.
            if (options.weightOption.value_or(asked) != asked) return std::nullopt;
            options.weightOption = asked;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--csv") {
            options.csv = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--answer") {
            options.answer = true;
        } else if (argument == "--timeslip") {
            options.timeslip = true;
        } else if (i + 1 < arguments.size() &&
                   TakeSlipOption(argument, arguments[i + 1], options.slip)) {
            ++i;
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
    if (!haveFile && !options.help) return std::nullopt;
    // The run's options mean nothing without the run.
    if (!options.slip.empty() && !options.timeslip) return std::nullopt;
    return options;
}

// A message on the terminal: in UTF-8, and with plain line ends where the windows break lines
// at a CR (or two).
void PrintMessage(std::ostream& err, const std::string& message) {
    std::string text = Utf8Text(message);
    std::string lines;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\r') {
            lines += text[at];
            continue;
        }
        while (at + 1 < text.size() && (text[at + 1] == '\r' || text[at + 1] == '\n')) ++at;
        lines += '\n';
    }
    err << lines << '\n';
}

// Reads the file as Open does and recalculates it; returns an exit code when it cannot go on.
std::optional<int> OpenAndRecalculate(Worksheet& sheet, const CalcOptions& options,
                                      std::ostream& err) {
    Outcome setup = SetupWorksheet(sheet);
    if (!setup.ok) {
        PrintMessage(err, setup.message);
        return kCalcFailed;
    }
    SpecFileResult read = ReadSpecFile(sheet, options.file);
    if (read.status == SpecFileStatus::NotSpecFile) {
        PrintMessage(err, read.message);
        return kCalcRefused;
    }
    if (read.status == SpecFileStatus::Unreadable) {
        PrintMessage(err, read.message);
        return kCalcFailed;
    }
    if (read.status != SpecFileStatus::Done) PrintMessage(err, read.message);
    if (options.weightOption) sheet.document.WeightOption = *options.weightOption;
    sheet.view.CurrentTable = kBaseline;
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
            PrintMessage(err, read.outcome.message);
            return std::nullopt;
        }
        ratios = read.ratios;
    }
    return FiguresInEveryGear(sheet, ratios);
}

// The gears of the run whose seconds the answer tells: those --timeslip takes.
std::vector<double> AnswerRatios(const Worksheet& sheet, const CalcOptions& options) {
    return RunGearRatios(options.gears.value_or(""), sheet);
}

// The answer's seconds from the run stored with the worksheet.
std::string SecondsClauseFor(const Worksheet& sheet, const CalcOptions& options) {
    return SecondsClauseOf(sheet, AnswerRatios(sheet, options));
}

void WriteResult(const Worksheet& sheet, const CalcOptions& options,
                 const std::vector<GearFigures>& gears, std::ostream& out) {
    if (options.json)
        WriteJson(sheet, gears, SecondsClauseFor(sheet, options), out);
    else if (options.answer)
        out << Utf8Text(PlainAnswer(ShareOfEachPart(sheet), SecondsClauseFor(sheet, options)))
            << '\n';
    else if (options.gears)
        WriteGearTable(sheet, gears, options.csv, out);
    else if (options.csv)
        WriteCsvTables(sheet, out);
    else
        WriteAlignedTables(sheet, out);
}

// Both slips and, with two vehicles, each part's seconds bought, run over the gears the every-gear
// view shows; after telling why when the options or the run are refused.
std::optional<int> WriteTimeSlips(const Worksheet& sheet, const CalcOptions& options,
                                  std::ostream& out, std::ostream& err) {
    RunEntries entries = SlipEntries(sheet.document.RunEntries, options.slip);
    GearRatiosRead ratios = RatiosToShow(options.gears.value_or(""), sheet);
    StripRun run = RunOnTheStrip(sheet, entries, ratios.ratios);
    Outcome refused = !ratios.outcome.ok ? ratios.outcome : SlipRefusal(run, entries, options.slip);
    if (!refused.ok) {
        PrintMessage(err, refused.message);
        return kCalcFailed;
    }
    errno = 0;
    if (options.json)
        WriteSlipJson(run.slips, run.parts ? &*run.parts : nullptr, out);
    else
        WriteSlipText(run.slips, run.gearsNote, run.parts ? &*run.parts : nullptr, out);
    return std::nullopt;
}

// A report written over the worksheet it reports on would destroy it; a link or a second name
// of the worksheet is the same file.
bool ReportReplacesInput(const CalcOptions& options) {
    std::error_code error;
    return options.pdfTo && std::filesystem::equivalent(*options.pdfTo, options.file, error);
}

// Output cut short by a full disk or a closed device is a failure, not a result.
bool OutputWritten(std::ostream& out, std::ostream& err) {
    if (out.flush()) return true;
    std::string reason = errno != 0 ? std::string(": ") + std::strerror(errno) : std::string();
    err << "The results could not be written to the standard output" << reason << ".\n";
    return false;
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
    // Asked for, the usage is the result: it goes where results go, and nothing else is done.
    if (options->help) {
        errno = 0;
        out << kUsage;
        return OutputWritten(out, err) ? kCalcDone : kCalcFailed;
    }
    if (ReportReplacesInput(*options)) {
        PrintMessage(err, "The PDF report " + FileNameText(*options->pdfTo) +
                              " would replace the worksheet it reports on.");
        return kCalcRefused;
    }
    Worksheet sheet;
    sheet.setup.ProgramFolder = DataFolderOf(programFolder);
    if (std::optional<int> failed = OpenAndRecalculate(sheet, *options, err)) return *failed;

    if (options->timeslip) {
        if (std::optional<int> failed = WriteTimeSlips(sheet, *options, out, err)) return *failed;
    } else {
        std::optional<std::vector<GearFigures>> gears = Gears(sheet, *options, err);
        if (!gears) return kCalcFailed;
        errno = 0;
        WriteResult(sheet, *options, *gears, out);
    }
    if (!OutputWritten(out, err)) return kCalcFailed;

    if (options->pdfTo) {
        Outcome report =
            WritePdfReport(sheet, *options->pdfTo, AnswerRatios(sheet, *options), programFolder);
        if (!report.ok) {
            PrintMessage(err, report.message);
            return kCalcFailed;
        }
    }
    if (options->writeTo) {
        SpecFileResult written = WriteSpecFile(sheet, *options->writeTo);
        if (written.status != SpecFileStatus::Done) {
            PrintMessage(err, written.message);
            return kCalcFailed;
        }
    }
    return kCalcDone;
}

}  // namespace gyrant
