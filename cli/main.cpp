// korva: command-line runner of the drilled shaft analysis.
#include "cli/CommandLine.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return korva::cli::runCommandLine(args, std::cout, std::cerr);
}
