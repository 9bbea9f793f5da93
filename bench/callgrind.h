#pragma once
// Counting a program's instructions with valgrind's callgrind: the count depends on what the
// program does, not on how busy the machine is, so it stays put from run to run where a clock
// wanders.

#include <optional>
#include <string>
#include <vector>

namespace bench {

// The words that run a program under callgrind, its count written to outFile when it ends
// (a SIGTERM included: valgrind writes the count before the program goes).
std::vector<std::string> callgrindPrefix(const std::string& outFile);

// The instructions callgrind counted, from its output file; nothing when there is none.
std::optional<double> countedInstructions(const std::string& outFile);

} // namespace bench
