#pragma once
#include <QString>
#include <QStringList>

namespace korva::gui {

inline constexpr const char* EditorStartFailedMessage =
    "An error occurred in running the Word Processor";

// The text editor command used when the user has configured none: $VISUAL or $EDITOR when
// set, else the desktop's opener (xdg-open) when installed, else the first editor found on
// the PATH. Empty when nothing is found.
QString DefaultTextEditorCommand();

// Program and arguments of an editor command with the file path appended as one more
// argument (a path with blanks stays one argument; no shell is involved). Empty when the
// command is empty.
QStringList EditorArguments(const QString& command, const QString& filePath);

// Starts the editor on filePath as a detached process; the program does not wait for it.
// False when the process could not be started.
bool StartTextEditor(const QString& command, const QString& filePath);

} // namespace korva::gui
