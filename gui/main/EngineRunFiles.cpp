#include "gui/main/EngineRunFiles.h"
#include "gui/main/RunError.h"

#include "gui/main/ProjectFileNames.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace korva::gui {

namespace {

std::string InFolder(const std::string& folder, const std::string& name)
{
    return folder.empty() ? name : (std::filesystem::path(folder) / name).string();
}

} // namespace

std::vector<std::string> NamesFileLines(const std::string& projectFile)
{
    std::vector<std::string> lines{ProgramVersion, projectFile};
    for (const char* extension :
         {".kv8o", ".kv8p", ".kv8r", ".kv8z", ".kv8w", ".kv8t", ".kv8q", ".kv8l"})
        lines.push_back(ChangeFileExtension(projectFile, extension));
    return lines;
}

void WriteNamesFile(const std::string& folder, const std::string& projectFile)
{
    const std::string path = InFolder(folder, NamesFileName);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw ERunError("Cannot create " + path + ": " + std::strerror(errno));
    for (const auto& line : NamesFileLines(projectFile))
        out << line << '\n';
    out.close();
    if (!out)
        throw ERunError("Cannot write " + path);
}

std::vector<std::string> RunScratchFiles(const std::string& projectFile)
{
    std::vector<std::string> files{InFolder(FolderPart(projectFile), "TZDIAM.DAT")};
    for (const char* extension : {".kv8w", ".kv8t", ".kv8q", ".kv8l"})
        files.push_back(ChangeFileExtension(projectFile, extension));
    return files;
}

void RemoveRunScratchFiles(const std::string& projectFile)
{
    std::error_code ignored;
    for (const auto& file : RunScratchFiles(projectFile))
        std::filesystem::remove(file, ignored);
}

bool IsRunFile(const std::string& projectFile, const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    auto same = [&](const std::string& file) {
        return fs::weakly_canonical(fs::absolute(file, ignored), ignored) ==
               fs::weakly_canonical(fs::absolute(path, ignored), ignored);
    };
    std::vector<std::string> files = NamesFileLines(projectFile);
    files.erase(files.begin()); // the program version
    const std::string folder = FolderPart(projectFile);
    for (const char* name : {NamesFileName, "TZDIAM.DAT", "TZDATA.DAT", "CHART.DAT", "ROCKMSG.DAT"})
        files.push_back(InFolder(folder, name));
    for (const std::string& file : files)
        if (same(file))
            return true;
    return false;
}

void RemoveNamesFile(const std::string& folder)
{
    std::error_code ignored;
    std::filesystem::remove(InFolder(folder, NamesFileName), ignored);
}

} // namespace korva::gui
