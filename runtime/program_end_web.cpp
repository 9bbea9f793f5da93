#include "program_end.h"

#include <emscripten/emscripten.h>

#include <cstdio>

namespace runtime {

void endProgram(int status) {
    std::fflush(nullptr);
    // The page keeps a program alive while its event loop waits for the player; this one ends it
    // all the same, and tells the page with what status
    emscripten_force_exit(status);
    __builtin_unreachable();
}

} // namespace runtime
