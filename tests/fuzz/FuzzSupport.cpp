#include "FuzzSupport.h"

#include "FuzzTargets.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace korva::fuzz {

PrivateFolder::PrivateFolder()
{
    std::string pattern =
        std::filesystem::absolute(std::filesystem::temp_directory_path() / "korva-fuzz-XXXXXX")
            .string();
    if (mkdtemp(pattern.data()) == nullptr)
        finding("no private folder can be created", pattern);
    path_ = pattern;
}

PrivateFolder::~PrivateFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void finding(std::string_view what, std::string_view detail)
{
    std::fprintf(stderr, "FUZZ FINDING: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

} // namespace korva::fuzz
