// A vehicle weight file of any bytes: the cascading lists and an estimate from its records.

#include "calc/vehicle_weights.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace gyrant;
    std::vector<VehicleRecord> records =
        ReadVehWeights(fuzzing::WriteInput(data, size, "vehweight.txt")).records;
    // The first choice of each list is enough to reach every path of the estimate.
    std::vector<std::string> makes = VehicleMakes(records);
    if (makes.empty()) return 0;
    std::vector<std::string> models = VehicleModels(records, makes.front());
    if (models.empty()) return 0;
    for (const std::string& attribute : VehicleAttributes(records, models.front()))
        for (int year : {1955, 1970, 2001})
            EstimateVehicleWeight(
                records, {year, makes.front(), models.front(), attribute, true, true, 10, 8});
    return 0;
}
