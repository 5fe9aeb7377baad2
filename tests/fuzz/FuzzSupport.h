#pragma once
// A private, empty folder for one fuzz input, removed with everything in it afterwards; the
// input's bytes as text.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace korva::fuzz {

class PrivateFolder
{
  public:
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // Absolute path of the folder (libFuzzer may change the working folder).
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline std::string textOf(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Writes bytes to a file (binary: the readers see the bytes as given).
void writeFile(const std::filesystem::path& path, const std::string& bytes);
std::string readFile(const std::filesystem::path& path);

} // namespace korva::fuzz
