#pragma once
// The run's file set: the names file that lists it, names derived from a project path, the
// heading of the report (banner, file block, time block) and the 80-character append of the
// scratch files.
#include <ctime>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

inline constexpr int kVersionFieldWidth = 12;   // characters of the version text kept
inline constexpr int kNamesFilePathWidth = 255; // characters of a path line kept
inline constexpr int kScratchRecordWidth = 80;  // record length of the appended scratch data
inline constexpr const char* kNamesFileName = "names.dat";
inline constexpr const char* kChartWorkFileName = "CHART.DAT";
inline constexpr const char* kTzDiamWorkFileName = "TZDIAM.DAT";
inline constexpr const char* kTzDataWorkFileName = "TZDATA.DAT";
inline constexpr const char* kRockMessageWorkFileName = "ROCKMSG.DAT";

struct RunFileNames
{
    std::string versionText = std::string(kVersionFieldWidth, ' '); // 12 characters
    std::filesystem::path projectData;                              // .kv8d, read
    std::filesystem::path report;                                   // .kv8o
    std::filesystem::path plot;                                     // .kv8p
    std::filesystem::path runNotes;                                 // .kv8r (runtime file)
    std::filesystem::path tzReport;                                 // .kv8z
    std::filesystem::path qwReport;           // .kv8w scratch, appended to .kv8z
    std::filesystem::path tzPlot;             // .kv8t scratch, appended to .kv8p
    std::filesystem::path qwPlot;             // .kv8q scratch, appended to .kv8p
    std::filesystem::path loadSettlementPlot; // .kv8l scratch, appended to .kv8p
    // Folder of the fixed-name work files (CHART.DAT, TZDIAM.DAT, TZDATA.DAT, ROCKMSG.DAT) and
    // of relative paths; empty for the current working directory.
    std::filesystem::path workFolder;

    std::filesystem::path workFile(std::string_view name) const { return workFolder / name; }
    // A path of the set as the file system opens it (relative paths in the work folder).
    std::filesystem::path resolve(const std::filesystem::path& path) const
    {
        return path.is_absolute() || workFolder.empty() ? path : workFolder / path;
    }
    // The eight files the run writes under names of its own (report to .kv8l).
    std::vector<std::filesystem::path> outputFiles() const;
};

// The version text as the banner shows it: the first 12 characters, padded with blanks.
std::string versionField(std::string_view line);

// Reads the ten lines of a names file: the version, then the nine paths (first 255 characters,
// trailing blanks dropped, kept as written). Throws RunFailure
// with StatusNamesFileMissing or StatusNamesFileIncomplete.
RunFileNames readNamesFile(const std::filesystem::path& namesFile,
                           const std::filesystem::path& workFolder);

// Writes a names file for the given run (version and the nine paths, one a line).
void writeNamesFile(const std::filesystem::path& namesFile, const RunFileNames& names);

// The run's file set named after a project data file, as the desktop program names it: the
// project path with its extension replaced by ".kv8o", ".kv8p", ... ".kv8l"; the work files
// in the project's folder.
RunFileNames runFileNamesForProject(const std::filesystem::path& projectData,
                                    std::string_view versionText);

// The files a completed run leaves that only carried data into the plot and t-z report files:
// TZDIAM.DAT and the .kv8w, .kv8t, .kv8q and .kv8l files.
std::vector<std::filesystem::path> scratchFiles(const RunFileNames& names);

// A path split as the report shows it: drive (always empty on this platform), directory with its
// trailing separator, base name, and extension with its dot.
struct PathParts
{
    std::string drive;
    std::string directory;
    std::string baseName;
    std::string extension;
};
PathParts splitPath(std::string_view path);

// Banner of the report and the t-z report.
void writeBanner(std::ostream& out, std::string_view versionText);
// File block of the report: the folder of the project data file and the names of the input,
// report, plot and runtime files (extensions cut to five characters with the dot).
void writeFileBlock(std::ostream& out, const RunFileNames& names);
// Date and time of the analysis, from the local clock reading given.
void writeTimeBlock(std::ostream& out, const std::tm& localTime);

// Appends every line of `source` to `target` as an 80-character record: a shorter line padded
// with blanks, a longer one cut after the 80th character. A missing or empty source adds
// nothing.
void appendAs80CharacterRecords(const std::filesystem::path& source, std::ostream& target);

// Opens an output file to be written from its start, as std::ios::trunc would, but an existing
// file is first cut to one byte instead of emptied: ext4 and similar file systems push a file
// that was truncated to zero out to the disk when it is closed, which takes far longer than
// writing it. closeOutputFile then cuts the file to what was written, so the file ends exactly
// as a truncated one would. Returns whether the stream is open.
bool openOutputFile(std::ofstream& stream, const std::filesystem::path& path);

// Closes a stream of openOutputFile and cuts its file to the length written.
void closeOutputFile(std::ofstream& stream, const std::filesystem::path& path);

} // namespace korva
