#pragma once
// A fresh, empty folder for one test, removed with everything in it afterwards.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace korva::test {

class TempFolder
{
  public:
    explicit TempFolder(const std::string& name = "korva test")
    {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                (name + " " + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    bool empty() const { return std::filesystem::is_empty(path_); }

  private:
    std::filesystem::path path_;
};

inline void writeText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace korva::test
