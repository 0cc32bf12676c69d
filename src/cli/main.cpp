#include <iostream>

#include "calc_command.h"
#include "files/data_path.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return gyrant::RunCalcCommand(arguments, gyrant::ProgramFolderOf(argv[0]), std::cout,
                                  std::cerr);
}
