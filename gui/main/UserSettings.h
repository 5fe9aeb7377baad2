#pragma once
#include "gui/main/RecentFiles.h"

#include <QString>

namespace korva::gui {

// Per-user settings of the desktop program: the text editor command, the folder last used
// and the recent project files. Stored with QSettings under organisation "Velmar",
// application "KORVA", group "2017.8.10"; a setting that cannot be read or written is ignored.
struct UserSettings
{
    QString wordProcessor;
    QString directory;
    RecentFiles recentFiles;

    // True when the settings group exists (the program ran before for this user).
    static bool Exists();
    // Reads "Word Processor" and "Directory"; missing values stay empty.
    void ReadEditorAndFolder();
    // Reads "Word Processor" (taken only when not empty) and "File1" ... "File10".
    void ReadEditorAndRecentFiles();
    // Writes "Word Processor", "Directory" and "File1" ... "File10".
    void Write() const;
    // "Live Results": whether each stored edit is analysed at once (off when never set).
    static bool ReadLiveResults();
    static void WriteLiveResults(bool on);
};

} // namespace korva::gui
