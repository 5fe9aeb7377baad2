#pragma once
#include <string>
#include <vector>

namespace korva::gui {

// Name of the file that tells the engine which files a run uses; it lives in the project's
// folder for the duration of the run.
inline constexpr const char* NamesFileName = "names.dat";

// The ten lines of the names file for a project data file: the program version, the project
// data file, then the report, plot data, run notes, t-z report and the four scratch files
// (Q-w report, t-z plot, Q-w plot, load-settlement plot), each the project path with its
// extension replaced.
std::vector<std::string> NamesFileLines(const std::string& projectFile);

// Writes names.dat into folder (created or overwritten). Throws ERunError with the
// system's reason when the file cannot be written completely.
void WriteNamesFile(const std::string& folder, const std::string& projectFile);

// Files of a run that are removed after the engine has copied their contents into the plot
// data and t-z report files: the engine's Q-w curve count file in the project folder and the
// project's four scratch files.
std::vector<std::string> RunScratchFiles(const std::string& projectFile);

// Removes the scratch files of a run; files that do not exist are skipped.
void RemoveRunScratchFiles(const std::string& projectFile);

// True when `path` names a file that the project's runs read or write: the project data file,
// the files of the names file, the names file and the engine's fixed-name work files in the
// project's folder. An exported document must not take any of these names.
bool IsRunFile(const std::string& projectFile, const std::string& path);

// Removes names.dat from folder when it is there.
void RemoveNamesFile(const std::string& folder);

} // namespace korva::gui
