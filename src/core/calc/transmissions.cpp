#include "calc/transmissions.h"

#include "text/cell_text.h"
#include "text/data_file.h"

namespace gyrant {
namespace {

constexpr int kHeaderLines = 34;
constexpr int kMostTransmissions = 301;

// Each transmission is its name, a line passed over, then its ratios as fields.
void ReadTransmissions(LineReader& reader, std::vector<Transmission>& transmissions) {
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
}

}  // namespace

TransmissionsRead LoadTrans(const std::filesystem::path& path) {
    return ReadDataFileInto<TransmissionsRead>(path, "transmission", kHeaderLines,
                                               [](LineReader& reader, TransmissionsRead& read) {
                                                   ReadTransmissions(reader, read.transmissions);
                                                   return !read.transmissions.empty();
                                               });
}

std::vector<std::string> GearEntries(const Transmission& transmission) {
    std::vector<std::string> entries;
    for (std::size_t gear = 0; gear < transmission.ratios.size(); ++gear) {
        double ratio = transmission.ratios[gear];
        if (ratio > 0)
            entries.push_back(std::to_string(gear + 1) + "  " + FormatPicture(ratio, "###.###"));
    }
    return entries;
}

}  // namespace gyrant
