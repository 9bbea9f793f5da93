#include "callgrind.h"

#include <fstream>

namespace bench {

std::vector<std::string> callgrindPrefix(const std::string& outFile) {
    // instructions only: no cache or branch simulation, no per-instruction records
    return {"valgrind", "--tool=callgrind", "--quiet", "--callgrind-out-file=" + outFile};
}

std::optional<double> countedInstructions(const std::string& outFile) {
    std::ifstream in(outFile);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("summary: ", 0) == 0)
            return std::stod(line.substr(9));
    return std::nullopt;
}

} // namespace bench
