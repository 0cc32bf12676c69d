#include "calc/menu_definition.h"

#include "files/data_path.h"
#include "model/row_definitions.h"
#include "text/cell_text.h"
#include "text/data_file.h"

namespace gyrant {
namespace {

// Reads the file's fields in order, remembering whether any was missing.
class DefinitionReader {
  public:
    explicit DefinitionReader(LineReader& reader) : m_reader(reader) {}
    std::string Line() {
        std::string line;
        if (!m_reader.ReadLine(line)) m_complete = false;
        return line;
    }
    double Value() {
        std::string field;
        if (!m_reader.ReadField(field)) m_complete = false;
        return NumericValue(field);
    }
    int Count(int most) {
        int count = RoundToInteger(Value());
        if (count < 0 || count > most) m_complete = false;
        return count;
    }
    bool Complete() const { return m_complete; }

  private:
    LineReader& m_reader;
    bool m_complete = true;
};

CalcInputDefinition ReadInput(DefinitionReader& reader, int group) {
    CalcInputDefinition input;
    input.group = group;
    std::string caption = reader.Line();
    input.choice = caption.starts_with("cmb");
    input.caption = input.choice ? caption.substr(3) : caption;
    if (input.choice) {
        int choices = reader.Count(1000);
        for (int i = 0; i < choices && reader.Complete(); ++i)
            input.choices.push_back(reader.Line());
    } else {
        input.high = reader.Value();
        input.low = reader.Value();
    }
    return input;
}

void ReadHead(DefinitionReader& reader, MenuDefinition& d) {
    d.caption = reader.Line();
    d.QuantityName = reader.Line();
    d.OutputHigh = reader.Value();
    d.OutputLow = reader.Value();
    reader.Value();
    std::string noteSwitch = reader.Line();
    d.hasNote = noteSwitch.empty() || (noteSwitch.front() != 'N' && noteSwitch.front() != 'n');
    if (d.hasNote) {
        d.noteCaption = reader.Line();
        d.noteLines = RoundToInteger(NumericValue(reader.Line()));
        d.noteText = reader.Line();
    }
    int outputs = reader.Count(kMostCalcOutputs);
    for (int i = 0; i < outputs; ++i) d.outputs.push_back(reader.Line());
}

void ReadInputs(DefinitionReader& reader, MenuDefinition& d) {
    d.lowestInput = RoundToInteger(reader.Value());
    int groups = reader.Count(2);
    int inGroup[2] = {reader.Count(kMostCalcInputs), reader.Count(kMostCalcInputs)};
    if (inGroup[0] + (groups == 2 ? inGroup[1] : 0) > kMostCalcInputs) return;
    for (int group = 1; group <= groups && reader.Complete(); ++group) {
        d.groupCaptions.push_back(reader.Line());
        for (int i = 0; i < inGroup[group - 1] && reader.Complete(); ++i)
            d.inputs.push_back(ReadInput(reader, group));
    }
}

}  // namespace

std::string MenuBaseName(int calcMenuKind) {
    switch (calcMenuKind) {
        case kFinalDriveCalc:
        case kPrimaryReductionCalc:
            return "finldrve";
        case kTireSizeCalc:
            return "tiredia";
        case kVehicleWeightCalc:
            return "VehWt";
        case kTransmissionCalc:
            return "TransRatio";
        case kWallThicknessCalc:
            return "WallThck";
        case kDeckHeightCalc:
            return "DeckHt";
        case kDeckClearanceCalc:
            return "DeckClr";
        case kDomeVolumeCalc:
            return "DomeCC";
        default:
            return {};
    }
}

std::filesystem::path MenuDefinitionPath(const std::filesystem::path& programFolder,
                                         int calcMenuKind, int unitSystem) {
    std::string name = MenuBaseName(calcMenuKind) + (unitSystem != 0 ? "m" : "") + ".CLC";
    return DataPath(programFolder, {"CALC", name});
}

MenuDefinitionRead ReadMenuDefinition(const std::filesystem::path& path) {
    return ReadDataFileInto<MenuDefinitionRead>(
        path, "calculation menu", 0, [](LineReader& lines, MenuDefinitionRead& read) {
            DefinitionReader reader(lines);
            ReadHead(reader, read.definition);
            ReadInputs(reader, read.definition);
            return reader.Complete() && !read.definition.inputs.empty();
        });
}

}  // namespace gyrant
