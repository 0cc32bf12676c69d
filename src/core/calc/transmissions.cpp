#include "calc/transmissions.h"

#include <fstream>

#include "text/cell_text.h"
#include "text/line_reader.h"

namespace gyrant {
namespace {

constexpr int kHeaderLines = 34;
constexpr int kMostTransmissions = 301;

}  // namespace

std::vector<Transmission> LoadTrans(const std::filesystem::path& path) {
    std::vector<Transmission> transmissions;
    std::ifstream in(path, std::ios::binary);
    if (!in) return transmissions;
    LineReader reader(in);
    reader.SkipLines(kHeaderLines);
    while (static_cast<int>(transmissions.size()) < kMostTransmissions) {
        Transmission transmission;
        if (!reader.ReadLine(transmission.name)) break;
        reader.SkipLines(1);
        for (double& ratio : transmission.ratios) {
            std::string field;
            ratio = reader.ReadField(field) ? NumericValue(field) : 0;
        }
        transmissions.push_back(std::move(transmission));
    }
    return transmissions;
}

std::vector<std::string> GearEntries(const Transmission& transmission) {
    std::vector<std::string> entries;
    for (std::size_t gear = 0; gear < transmission.ratios.size(); ++gear) {
        double ratio = transmission.ratios[gear];
        if (ratio > 0) entries.push_back(std::to_string(gear + 1) + "  " + FormatPicture(ratio, "###.###"));
    }
    return entries;
}

}  // namespace gyrant
