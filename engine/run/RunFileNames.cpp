#include "engine/run/RunFileNames.h"

#include "engine/output/FixedFormat.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunStatus.h"

#include <algorithm>
#include <array>
#include <climits>
#include <fstream>

namespace korva {
namespace {

std::string trimTrailingBlanks(std::string text)
{
    const std::size_t end = text.find_last_not_of(' ');
    text.resize(end == std::string::npos ? 0 : end + 1);
    return text;
}

std::string namesLine(std::string line, int width)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (static_cast<int>(line.size()) > width)
        line.resize(static_cast<std::size_t>(width));
    return line;
}

// The project path with its extension (from the last dot of the file name on, a leading dot
// included) replaced, as the desktop program names the files of a run.
std::filesystem::path withExtension(const std::filesystem::path& path, const char* extension)
{
    const std::string text = path.string();
    const std::size_t slash = text.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = text.find_last_of('.');
    const std::size_t end = dot == std::string::npos || dot < nameStart ? text.size() : dot;
    return text.substr(0, end) + extension;
}

std::string fileName(const std::filesystem::path& path)
{
    const PathParts parts = splitPath(path.string());
    return trimTrailingBlanks(parts.baseName) + trimTrailingBlanks(parts.extension);
}

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string twoDigits(int value)
{
    return formatI(value, 2, 2);
}

} // namespace

std::vector<std::filesystem::path> RunFileNames::outputFiles() const
{
    return {report, plot, runNotes, tzReport, qwReport, tzPlot, qwPlot, loadSettlementPlot};
}

std::string versionField(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return padRight(line, kVersionFieldWidth);
}

RunFileNames readNamesFile(const std::filesystem::path& namesFile,
                           const std::filesystem::path& workFolder)
{
    std::ifstream in(namesFile, std::ios::binary);
    if (!in)
        throw RunFailure(StatusNamesFileMissing,
                         "Names file \"" + namesFile.string() + "\" cannot be opened");
    std::array<std::string, 10> lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!std::getline(in, lines[i]))
            throw RunFailure(StatusNamesFileIncomplete,
                             "Names file \"" + namesFile.string() + "\" ends at line " +
                                 std::to_string(i) +
                                 "; it must have 10 lines (version and nine file names)");
    }
    RunFileNames names;
    names.workFolder = workFolder;
    names.versionText = versionField(lines[0]);
    std::array<std::filesystem::path*, 9> paths = {
        &names.projectData, &names.report, &names.plot,   &names.runNotes,          &names.tzReport,
        &names.qwReport,    &names.tzPlot, &names.qwPlot, &names.loadSettlementPlot};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        // A longer path would be cut to another file's name, which the run might overwrite.
        const std::string whole = trimTrailingBlanks(namesLine(lines[i + 1], INT_MAX));
        if (whole.size() > static_cast<std::size_t>(kNamesFilePathWidth))
            throw RunFailure(StatusNamesFileMissing,
                             "Names file \"" + namesFile.string() + "\", line " +
                                 std::to_string(i + 2) + ": the path is longer than " +
                                 std::to_string(kNamesFilePathWidth) + " characters");
        *paths[i] = whole;
    }
    return names;
}

void writeNamesFile(const std::filesystem::path& namesFile, const RunFileNames& names)
{
    std::ofstream out(namesFile, std::ios::binary | std::ios::trunc);
    out << trimTrailingBlanks(names.versionText) << '\n';
    for (const auto* path :
         {&names.projectData, &names.report, &names.plot, &names.runNotes, &names.tzReport,
          &names.qwReport, &names.tzPlot, &names.qwPlot, &names.loadSettlementPlot})
        out << path->string() << '\n';
}

RunFileNames runFileNamesForProject(const std::filesystem::path& projectData,
                                    std::string_view versionText)
{
    RunFileNames names;
    names.versionText = versionField(versionText);
    names.projectData = projectData;
    names.report = withExtension(projectData, ".kv8o");
    names.plot = withExtension(projectData, ".kv8p");
    names.runNotes = withExtension(projectData, ".kv8r");
    names.tzReport = withExtension(projectData, ".kv8z");
    names.qwReport = withExtension(projectData, ".kv8w");
    names.tzPlot = withExtension(projectData, ".kv8t");
    names.qwPlot = withExtension(projectData, ".kv8q");
    names.loadSettlementPlot = withExtension(projectData, ".kv8l");
    names.workFolder = projectData.parent_path();
    return names;
}

std::vector<std::filesystem::path> scratchFiles(const RunFileNames& names)
{
    return {names.resolve(names.workFile(kTzDiamWorkFileName)), names.resolve(names.qwReport),
            names.resolve(names.tzPlot), names.resolve(names.qwPlot),
            names.resolve(names.loadSettlementPlot)};
}

PathParts splitPath(std::string_view path)
{
    PathParts parts;
    // Paths have no drive part on this platform; "\\" is an ordinary character of a name.
    const std::size_t separator = path.find_last_of('/');
    std::string_view name = path;
    if (separator != std::string_view::npos) {
        parts.directory = std::string(path.substr(0, separator + 1));
        name = path.substr(separator + 1);
    }
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos) {
        parts.baseName = std::string(name);
    } else {
        parts.baseName = std::string(name.substr(0, dot));
        parts.extension = std::string(name.substr(dot, 5));
    }
    return parts;
}

void writeBanner(std::ostream& out, std::string_view versionText)
{
    const std::string rule = blanks(5) + std::string(73, '=');
    const std::string indent = blanks(20);
    out << rule << "\n\n"
        << indent << "  KORVA for Windows, Version " << versionField(versionText) << "\n\n"
        << indent << "VERTICALLY LOADED DRILLED SHAFT ANALYSIS\n"
        << indent << "Korva drilled shaft analysis engine\n"
        << indent << "Axial capacity and load-settlement of bored piles\n"
        << '\n'
        << rule << "\n\n\n";
}

void writeFileBlock(std::ostream& out, const RunFileNames& names)
{
    const PathParts project = splitPath(names.projectData.string());
    const std::string indent = blanks(5);
    out << indent
        << "Path to file locations      : " << trimTrailingBlanks(project.drive + project.directory)
        << '\n'
        << indent << "Name of input data file     : " << fileName(names.projectData) << '\n'
        << indent << "Name of output file         : " << fileName(names.report) << '\n'
        << indent << "Name of plot output file    : " << fileName(names.plot) << '\n'
        << indent << "Name of runtime file        : " << fileName(names.runNotes) << '\n'
        << "\n\n";
}

void writeTimeBlock(std::ostream& out, const std::tm& localTime)
{
    const std::string rule = blanks(5) + std::string(73, '-');
    const int month = std::clamp(localTime.tm_mon, 0, 11);
    out << rule << '\n'
        << blanks(26) << "Time and Date of Analysis\n"
        << rule << "\n\n"
        << blanks(15) << "Date:  " << kMonthNames[static_cast<std::size_t>(month)] << ' '
        << twoDigits(localTime.tm_mday) << ", " << formatI(localTime.tm_year + 1900L, 4, 4)
        << blanks(5) << "Time:  " << twoDigits(localTime.tm_hour) << ':'
        << twoDigits(localTime.tm_min) << ':' << twoDigits(localTime.tm_sec) << "\n\n";
}

bool openOutputFile(std::ofstream& stream, const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error) &&
        std::filesystem::file_size(path, error) > 1 && !error) {
        std::filesystem::resize_file(path, 1, error);
        // The remaining byte is written over first; a file that cannot be read and written
        // in place is opened the usual way.
        if (!error)
            stream.open(path, std::ios::in | std::ios::out);
    }
    if (!stream.is_open())
        stream.open(path, std::ios::out | std::ios::trunc);
    return stream.is_open();
}

void closeOutputFile(std::ofstream& stream, const std::filesystem::path& path)
{
    if (!stream.is_open())
        return;
    // The position after the last byte written (pending output is written out first).
    const std::streamoff written = stream.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::out);
    stream.close();
    if (written < 0)
        return;
    std::error_code error;
    const auto length = static_cast<std::uintmax_t>(written);
    if (std::filesystem::file_size(path, error) > length && !error)
        std::filesystem::resize_file(path, length, error);
}

void appendAs80CharacterRecords(const std::filesystem::path& source, std::ostream& target)
{
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        target << padRight(line, kScratchRecordWidth) << '\n';
    }
}

} // namespace korva
