#pragma once

namespace gyrant {

// Starts the program: reads the settings, sets up the tables from the row definitions beside
// the program, shows the main window and opens a worksheet named as the first argument.
// Returns the exit code.
int RunGyrant(int argc, char** argv);

}  // namespace gyrant
