#include "gui/main/RunFiles.h"
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

void RemoveNamesFile(const std::string& folder)
{
    std::error_code ignored;
    std::filesystem::remove(InFolder(folder, NamesFileName), ignored);
}

} // namespace korva::gui
