#pragma once

// gyrant-calc: recalculates a spec file as the program's Open does, prints both tables and
// can save the recalculated worksheet.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace gyrant {

// Exit codes of gyrant-calc.
inline constexpr int kCalcDone = 0;
inline constexpr int kCalcFailed = 1;
// FILE is not a spec file, or the PDF report would replace it.
inline constexpr int kCalcRefused = 2;

// Runs gyrant-calc with its arguments (without the program name) and the folder that holds
// its data files; returns the exit code.
int RunCalcCommand(const std::vector<std::string>& arguments,
                   const std::filesystem::path& programFolder, std::ostream& out,
                   std::ostream& err);

}  // namespace gyrant
