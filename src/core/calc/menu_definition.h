#pragma once

// A calculation sub-menu's definition file in CALC/: its caption, the quantity it calculates
// and its normal limits, an optional note, its outputs, and its inputs in one or two groups.

#include <filesystem>
#include <string>
#include <vector>

#include "outcome.h"

namespace gyrant {

inline constexpr int kMostCalcInputs = 10;
inline constexpr int kMostCalcOutputs = 6;

struct CalcInputDefinition {
    std::string caption;
    bool choice = false;
    std::vector<std::string> choices;
    double high = 0;  // a numeric input's limits
    double low = 0;
    int group = 1;
};

struct MenuDefinition {
    std::string caption;
    std::string QuantityName;
    double OutputHigh = 0;
    double OutputLow = 0;
    bool hasNote = false;
    std::string noteCaption;
    int noteLines = 0;
    std::string noteText;
    std::vector<std::string> outputs;
    int lowestInput = 0;
    std::vector<std::string> groupCaptions;
    std::vector<CalcInputDefinition> inputs;  // input 1 first
};

struct MenuDefinitionRead {
    MenuDefinition definition;
    Outcome outcome;
};

// The definition file's base name of a sub-menu kind; empty for an unknown kind.
std::string MenuBaseName(int calcMenuKind);

// The definition file of a sub-menu kind for the unit system ("m" after the base name when metric).
std::filesystem::path MenuDefinitionPath(const std::filesystem::path& programFolder,
                                         int calcMenuKind, int unitSystem);

// Reads a definition file; a missing or damaged one is a failure that names the file.
MenuDefinitionRead ReadMenuDefinition(const std::filesystem::path& path);

}  // namespace gyrant
