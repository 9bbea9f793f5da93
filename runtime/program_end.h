#pragma once

namespace runtime {

// Ends the program at once with the given exit status: nothing more of it runs (no destructor, no
// exit handler), and standard output and error are flushed first. One function for each kind of
// machine, chosen when the game is built: program_end.cpp, or program_end_web.cpp in a browser,
// where the page must hear that the game has ended.
[[noreturn]] void endProgram(int status);

} // namespace runtime
