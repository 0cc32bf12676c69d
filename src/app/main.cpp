#include "shell/startup.h"

int main(int argc, char** argv) {
    return gyrant::RunGyrant(argc, argv);
}
