// Stand-in for the engine library in run-sequence tests: reads the names file in the current
// folder, writes every result and scratch file the real engine writes, and returns the status
// given in KORVA_FAKE_ENGINE_STATUS (0 when unset). With KORVA_FAKE_ENGINE_NO_FILES set it
// writes nothing, as the engine does when it cannot read the names file.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern "C" __attribute__((visibility("default"))) int32_t IKORVA(int32_t requestCode)
{
    if (requestCode != 10)
        return 1;
    std::ifstream names("names.dat");
    std::vector<std::string> lines;
    for (std::string line; std::getline(names, line);)
        lines.push_back(line);
    if (lines.size() < 10)
        return 99;
    const char* status = std::getenv("KORVA_FAKE_ENGINE_STATUS");
    if (std::getenv("KORVA_FAKE_ENGINE_NO_FILES") != nullptr)
        return status != nullptr ? std::atoi(status) : 0;
    for (std::size_t i = 2; i < 10; ++i)
        std::ofstream(lines[i]) << "result of " << lines[1] << "\n";
    std::ofstream("CHART.DAT") << "chart\n";
    std::ofstream("TZDIAM.DAT") << "1\n";
    return status != nullptr ? std::atoi(status) : 0;
}
