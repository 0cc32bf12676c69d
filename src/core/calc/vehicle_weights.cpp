#include "calc/vehicle_weights.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "text/cell_text.h"
#include "text/data_file.h"

namespace gyrant {
namespace {

constexpr int kHeaderLines = 8;
constexpr double kPoundsPerGallon = 5.9976;
// Far beyond any road vehicle, or its extras; a record beyond it is not a real one.
constexpr double kMostPounds = 100000;
// Far more records than any real table holds.
constexpr std::size_t kMostRecords = 20000;

void AddOnce(std::vector<std::string>& list, const std::string& entry) {
    if (std::find(list.begin(), list.end(), entry) == list.end()) list.push_back(entry);
}

std::string Trimmed(const std::string& text) {
    return std::string(TrimBlanks(text));
}

// Line `listed` of the records whose line `keyLine` is `key`, blanks trimmed, each text once, in
// file order.
std::vector<std::string> LinesWhere(const std::vector<VehicleRecord>& records, int listed,
                                    int keyLine, const std::string& key) {
    std::vector<std::string> list;
    for (const VehicleRecord& r : records)
        if (Trimmed(r.lines[keyLine]) == Trimmed(key)) AddOnce(list, Trimmed(r.lines[listed]));
    return list;
}

bool Matches(const VehicleRecord& r, const VehicleChoice& c) {
    return Trimmed(r.lines[1]) == Trimmed(c.make) && Contains(r.lines[2], Trimmed(c.model)) &&
           Trimmed(r.lines[3]) == Trimmed(c.attribute);
}

// An extra weight (automatic or convertible) and the qualifier of its note.
struct Extra {
    double weight = 0;
    std::string qualifier;
};

// The marker -1 says the option was not offered: it weighs nothing.
Extra OneSided(double value) {
    if (value == -1) return {0, "probably was not "};
    return {value, ""};
}

Extra TwoSided(double older, double newer, double f) {
    if (older != -1 && newer != -1) return {older + f * (newer - older), ""};
    if (older != -1) return {older, "may not have been "};
    if (newer != -1) return {newer, "may not have been "};
    return {0, "probably was not "};
}

std::string Note(const Extra& extra, const char* what) {
    return extra.qualifier.empty() ? std::string{}
                                   : "This vehicle " + extra.qualifier + "available " + what + ".";
}

double Field(const VehicleRecord* record, int line) {
    return record ? NumericValue(record->lines[line]) : 0;
}

bool WeighsLikeAVehicle(const VehicleRecord& record) {
    for (int line = 4; line <= 6; ++line)
        if (std::abs(Field(&record, line)) > kMostPounds) return false;
    return true;
}

// Records of seven lines each, until the file ends or holds more than any real table; a record
// cut short by the end of the file is left out.
void ReadRecords(LineReader& reader, std::vector<VehicleRecord>& records) {
    while (records.size() <= kMostRecords) {
        VehicleRecord record;
        bool complete = true;
        for (std::string& field : record.lines) complete = complete && reader.ReadLine(field);
        if (!complete) break;
        int twoDigits = RoundToInteger(NumericValue(record.lines[0]));
        record.year = twoDigits < 40 ? 2000 + twoDigits : 1900 + twoDigits;
        if (WeighsLikeAVehicle(record)) records.push_back(std::move(record));
    }
}

}  // namespace

VehicleRecordsRead ReadVehWeights(const std::filesystem::path& path) {
    return ReadDataFileInto<VehicleRecordsRead>(
        path, "vehicle weight", kHeaderLines, [](LineReader& reader, VehicleRecordsRead& read) {
            ReadRecords(reader, read.records);
            return !read.records.empty() && read.records.size() <= kMostRecords;
        });
}

std::vector<std::string> VehicleMakes(const std::vector<VehicleRecord>& records) {
    std::vector<std::string> makes;
    for (const VehicleRecord& r : records) AddOnce(makes, Trimmed(r.lines[1]));
    return makes;
}

std::vector<std::string> VehicleModels(const std::vector<VehicleRecord>& records,
                                       const std::string& make) {
    return LinesWhere(records, 2, 1, make);
}

std::vector<std::string> VehicleAttributes(const std::vector<VehicleRecord>& records,
                                           const std::string& model) {
    return LinesWhere(records, 3, 2, model);
}

WeightEstimate EstimateVehicleWeight(const std::vector<VehicleRecord>& records,
                                     const VehicleChoice& choice) {
    const VehicleRecord* older = nullptr;
    const VehicleRecord* newer = nullptr;
    int olderYear = 0, newerYear = 10000;
    for (const VehicleRecord& r : records) {
        if (!Matches(r, choice)) continue;
        if (r.year < choice.year && r.year > olderYear) olderYear = r.year, older = &r;
        if (r.year >= choice.year && r.year <= newerYear) newerYear = r.year, newer = &r;
    }
    bool twoSided = (olderYear > 0 && newerYear < 9999) || newerYear == choice.year;
    if (!twoSided && olderYear == 0 && newerYear >= 9999) return {"", "No close match was found."};

    double base;
    Extra automatic, convertible;
    const VehicleRecord* match = older ? older : newer;
    if (twoSided) {
        double f = static_cast<double>(choice.year - olderYear) / (newerYear - olderYear);
        base = Field(older, 4) + f * (Field(newer, 4) - Field(older, 4));
        automatic = TwoSided(Field(older, 5), Field(newer, 5), f);
        convertible = TwoSided(Field(older, 6), Field(newer, 6), f);
    } else {
        base = Field(match, 4);
        automatic = OneSided(Field(match, 5));
        convertible = OneSided(Field(match, 6));
    }
    std::string automaticNote = Note(automatic, "with an automatic");
    std::string convertibleNote = Note(convertible, "as a convertible");
    if (!choice.automatic) automatic.weight = 0;
    if (!choice.convertible) convertible.weight = 0, convertibleNote.clear();

    double total = base + automatic.weight + convertible.weight +
                   (choice.gallons - 5) * kPoundsPerGallon + choice.addedWeight;
    std::string weight = PlainNumber(std::floor(total / 10 + 0.5) * 10);
    std::string notes = automaticNote.empty() && convertibleNote.empty()
                            ? ""
                            : "  Note: " + automaticNote + "  " + convertibleNote;
    if (twoSided)
        return {weight, std::string("A ") + (notes.empty() ? "" : "relatively ") +
                            "good match was found." + notes};
    return {weight,
            "Estimated weight is based on the closest match found: " + GeneralForm(match->year) +
                " " + match->lines[1] + " " + match->lines[2] + " " + match->lines[3] + notes};
}

}  // namespace gyrant
