#include "calc/transmissions.h"

#include "text/cell_text.h"
#include "text/input_file.h"
#include "text/line_reader.h"

namespace gyrant {
namespace {

constexpr int kHeaderLines = 34;
constexpr int kMostTransmissions = 301;

}  // namespace

TransmissionsRead LoadTrans(const std::filesystem::path& path) {
    TransmissionsRead read;
    InputFile in(path);
    if (!in) {
        read.outcome = Outcome::Failure(MissingFileMessage("transmission", path));
        return read;
    }
    std::vector<Transmission>& transmissions = read.transmissions;
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
    if (transmissions.empty() || reader.LineTooLong())
        read.outcome = Outcome::Failure(DamagedFileMessage("transmission", path));
    return read;
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
