#pragma once
// The korva command line: parsing of the arguments and the "run" command.
#include <ostream>
#include <string>
#include <vector>

namespace korva::cli {

inline constexpr int ExitSuccess = 0;   // the run ended with status 0
inline constexpr int ExitRunStatus = 1; // the run ended with a non-zero status
inline constexpr int ExitUsage = 2;     // the command line was not understood

// Runs the command given by args (without the program name); writes to out and err and
// returns the process exit code.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace korva::cli
