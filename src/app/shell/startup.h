#pragma once

namespace gyrant {

// Starts the program: reads the settings, sets up the tables from the row definitions beside
// the program and shows the main window. Returns the exit code.
int RunGyrant(int argc, char** argv);

}  // namespace gyrant
