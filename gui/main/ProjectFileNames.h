#pragma once
#include "gui/model/ProgramTitle.h"

#include <string>

namespace korva::gui {

// Version text of the desktop program: written into the names file and shown in the caption.
inline constexpr const char* ProgramVersion = "2017.8.10";
// File name a new project carries until it is first saved.
inline constexpr const char* DefaultProjectFileName = "NewKorva.kv8d";
inline constexpr const char* ProjectDataExtension = ".kv8d";
// Default extension of the open and save dialogs: the first three letters of the data one.
inline constexpr const char* DialogDefaultExtension = "kv8";

// Which reader opens a file chosen by extension (recent files, command line, dropped files).
enum class ProjectFileFilter {
    NotAProject = 0, // any other extension: the file is not opened
    CurrentLayout = 1,
    PreviousLayout = 2,
};

// The path with its extension (from the last dot of the file name on) replaced by extension;
// a path without extension gets it appended.
std::string ChangeFileExtension(const std::string& path, const std::string& extension);

// Extension of the file name part, dot included, as written ("" when there is none).
std::string FileExtension(const std::string& path);

// The file name without its folder.
std::string FileNamePart(const std::string& path);

// The folder of a path, without a trailing separator ("" for a bare file name).
std::string FolderPart(const std::string& path);

// Reader for a file by its extension, compared in lower case: ".kv8d" current, ".kvd" previous.
ProjectFileFilter FilterForExtension(const std::string& path);

// Name shown for a project: the file name without folder, its first letter raised to upper
// case when it is a lower-case a-z and the name is longer than one character; a name ending
// in the dialogs' default extension ".kv8" loses it.
std::string ProjectDisplayName(const std::string& fileName);

// Main window caption: "KORVA 2017.8.10 - " and the display name.
std::string MainWindowCaption(const std::string& fileName);

// The project path taken from the first command-line argument: ".kv8d" is appended when the
// file name part holds no dot.
std::string CommandLineProjectPath(const std::string& argument);

// True when the project still carries the name of a never-saved project.
bool HasDefaultProjectName(const std::string& fileName);

} // namespace korva::gui
