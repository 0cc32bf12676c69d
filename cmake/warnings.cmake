# The warnings every target of ours is built with, by gcc and by clang alike. They live on
# gyrant_warnings, which our targets link, and not in global options, so outside headers (Qt,
# GoogleTest, Google Benchmark: imported targets, included as system headers) never add theirs.
option(GYRANT_WARNINGS_AS_ERRORS "Stop the build at the first compiler warning" OFF)

add_library(gyrant_warnings INTERFACE)
target_compile_options(gyrant_warnings INTERFACE
    -Wall -Wextra -Wpedantic
    # A local that hides a member or an outer local reads the wrong value without a word.
    -Wshadow
    # Silent narrowing and sign flips of sizes, counts and cell figures.
    -Wconversion -Wsign-conversion
    # Deleting through a base, and a derived function that hides instead of overriding.
    -Wnon-virtual-dtor -Woverloaded-virtual
    # A pointer used on a path where it is null; a switch case that runs into the next.
    -Wnull-dereference -Wimplicit-fallthrough
    # Casts that drop const or say nothing of what they do; formats and macros that misread.
    -Wcast-qual -Wold-style-cast -Wformat=2 -Wundef)
if(GYRANT_WARNINGS_AS_ERRORS)
    target_compile_options(gyrant_warnings INTERFACE -Werror)
endif()
