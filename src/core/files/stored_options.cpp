#include "files/stored_options.h"

#include <string_view>

#include "text/cell_text.h"

namespace gyrant {
namespace {

constexpr std::string_view kWeightsKey = "weights";
constexpr std::string_view kWeightsAdd = "add";
constexpr std::string_view kWeightsStay = "stay";
constexpr std::string_view kRunPrefix = "run.";
constexpr const char* kLineEnd = "\r\n";

// The weights option a value names; nothing for a value not known here.
std::optional<int> WeightOptionNamed(std::string_view value) {
    if (value == kWeightsAdd) return 1;
    if (value == kWeightsStay) return 0;
    return std::nullopt;
}

void TakeLine(const std::string& line, StoredOptions& options) {
    std::string_view text = line;
    std::size_t equals = text.find('=');
    std::string_view key = TrimBlanks(text.substr(0, equals));
    std::string_view value = equals == std::string::npos ? "" : TrimBlanks(text.substr(equals + 1));
    bool withinBound = options.bytesKept + line.size() + 2 <= kMostStoredOptionBytes;
    if (equals == std::string::npos || key.empty() || (!withinBound && key != kWeightsKey)) {
        ++options.linesLeftOut;
    } else if (key == kWeightsKey) {
        std::optional<int> named = WeightOptionNamed(value);
        if (named) options.weightOption = named;
        options.weightOptionUnknown = options.weightOptionUnknown || !named;
    } else if (key.starts_with(kRunPrefix) && key.size() > kRunPrefix.size()) {
        options.runEntries[std::string(key.substr(kRunPrefix.size()))] = value;
        options.bytesKept += line.size() + 2;
    } else {
        options.otherLines += line + kLineEnd;
        options.bytesKept += line.size() + 2;
    }
}

}  // namespace

StoredOptions ReadStoredOptions(LineReader& reader) {
    StoredOptions options;
    std::string line;
    if (!reader.ReadLine(line) || line != kStoredOptionsName) return options;
    while (reader.ReadLine(line))
        if (!IsBlank(line)) TakeLine(line, options);
    return options;
}

void UseStoredOptions(const StoredOptions& options, WorksheetDocument& document) {
    if (options.weightOption) document.WeightOption = *options.weightOption;
    document.RunEntries = options.runEntries;
    document.OtherStoredOptions = options.otherLines;
}

std::string StoredOptionsText(const WorksheetDocument& document) {
    std::string_view weights = document.WeightOption == 1 ? kWeightsAdd : kWeightsStay;
    std::string text = std::string(kStoredOptionsName) + kLineEnd + std::string(kWeightsKey) + "=" +
                       std::string(weights) + kLineEnd;
    for (const auto& [key, value] : document.RunEntries)
        text += std::string(kRunPrefix) + key + "=" + value + kLineEnd;
    return text + document.OtherStoredOptions;
}

}  // namespace gyrant
