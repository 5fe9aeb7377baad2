#pragma once
// Bodies of the fuzz targets: one per reader of data that comes from outside the program. Each
// takes one input as libFuzzer hands it over and returns 0; a fault it finds (a crash, a
// sanitizer report, a non-finite number written, an internal failure) ends the process with
// a message on standard error. The libFuzzer programs (FuzzEntry.cpp) and the regression test
// of the ordinary suite (FuzzRegressionTest.cpp) run the same bodies.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korva::fuzz {

// The engine run from a project data file, in process, in a private folder.
int engineDeck(const std::uint8_t* data, std::size_t size);
// The engine's reader of the names file.
int namesFile(const std::uint8_t* data, std::size_t size);
// The desktop program's project file reader: current, previous and old layouts, then saving.
int projectFile(const std::uint8_t* data, std::size_t size);
// The desktop program's word reader, driven by operations taken from the input's first bytes.
int wordReader(const std::uint8_t* data, std::size_t size);
// The desktop program's plot data reader, with project settings from the input's first byte.
int plotData(const std::uint8_t* data, std::size_t size);
// The expression evaluator of the entry fields, with "." and "," as decimal separator.
int expression(const std::uint8_t* data, std::size_t size);

// Reports a fault and ends the process (a finding of the fuzzer, a failure of the test).
[[noreturn]] void finding(std::string_view what, std::string_view detail = {});

} // namespace korva::fuzz
