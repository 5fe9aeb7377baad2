#include "gui/main/ProjectFileNames.h"

#include <algorithm>
#include <cctype>

namespace korva::gui {

namespace {

std::size_t FileNameStart(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::string FileExtension(const std::string& path)
{
    const auto start = FileNameStart(path);
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < start)
        return {};
    return path.substr(dot);
}

std::string ChangeFileExtension(const std::string& path, const std::string& extension)
{
    const auto current = FileExtension(path);
    return path.substr(0, path.size() - current.size()) + extension;
}

std::string FileNamePart(const std::string& path)
{
    return path.substr(FileNameStart(path));
}

std::string FolderPart(const std::string& path)
{
    const auto start = FileNameStart(path);
    if (start == 0)
        return {};
    if (start == 1)
        return "/";
    return path.substr(0, start - 1);
}

ProjectFileFilter FilterForExtension(const std::string& path)
{
    const auto extension = Lower(FileExtension(path));
    if (extension == ".kv8d")
        return ProjectFileFilter::CurrentLayout;
    if (extension == ".kvd")
        return ProjectFileFilter::PreviousLayout;
    return ProjectFileFilter::NotAProject;
}

std::string ProjectDisplayName(const std::string& fileName)
{
    std::string name = FileNamePart(fileName);
    if (FileExtension(name) == std::string(".") + DialogDefaultExtension)
        name = ChangeFileExtension(name, "");
    if (name.size() > 1 && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

std::string MainWindowCaption(const std::string& fileName)
{
    return std::string("KORVA ") + ProgramVersion + " - " + ProjectDisplayName(fileName);
}

std::string CommandLineProjectPath(const std::string& argument)
{
    // Only the file name part is looked at: folders with a dot in their name are common.
    if (FileNamePart(argument).find('.') == std::string::npos)
        return argument + ProjectDataExtension;
    return argument;
}

bool HasDefaultProjectName(const std::string& fileName)
{
    return fileName == DefaultProjectFileName;
}

} // namespace korva::gui
