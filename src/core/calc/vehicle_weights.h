#pragma once

// The vehicle weight estimator: stock shipping weights by model year, make, model and engine or
// body, read from "Calc/vehweight.txt", interpolated between the nearest model years.

#include <filesystem>
#include <string>
#include <vector>

#include "outcome.h"

namespace gyrant {

struct VehicleRecord {
    int year = 0;
    std::string
        lines[7];  // year, make, model, attribute, weight, automatic extra, convertible extra
};

struct VehicleRecordsRead {
    std::vector<VehicleRecord> records;
    Outcome outcome;
};

// The records after the 8 header lines; a record cut short by the end of the file is left out,
// and so is one whose weight or extras lie beyond any vehicle's. A missing file, or one that
// holds no record, more records or a longer line than any real one, is a failure that names it.
VehicleRecordsRead ReadVehWeights(const std::filesystem::path& path);

// The makes, in file order.
std::vector<std::string> VehicleMakes(const std::vector<VehicleRecord>& records);
// The models of the records of a make.
std::vector<std::string> VehicleModels(const std::vector<VehicleRecord>& records,
                                       const std::string& make);
// The engines or bodies of the records whose model is exactly the one given.
std::vector<std::string> VehicleAttributes(const std::vector<VehicleRecord>& records,
                                           const std::string& model);

struct VehicleChoice {
    int year = 0;
    std::string make, model, attribute;
    bool automatic = true;    // false when the transmission list is on its first entry (manual)
    bool convertible = true;  // false when the body list is on its first entry
    double addedWeight = 0;   // input 7
    double gallons = 0;       // input 8, of which 5 are in the shipping weight
};

struct WeightEstimate {
    std::string weight;  // rounded to 10; empty when no record matches
    std::string note;    // how good the match was
};

WeightEstimate EstimateVehicleWeight(const std::vector<VehicleRecord>& records,
                                     const VehicleChoice& choice);

}  // namespace gyrant
