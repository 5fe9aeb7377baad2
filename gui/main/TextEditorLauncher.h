#pragma once
#include <QString>
#include <QStringList>

namespace korva::gui {

inline constexpr const char* EditorStartFailedMessage =
    "An error occurred in running the Word Processor";

// How a project's text file is shown: by an editor command started as its own process, or in
// the program's own read-only text window.
struct TEditorLaunch
{
    bool BuiltInViewer = false;
    QString Command; // program and arguments; the file path is appended
};

// True for editors that work only inside a terminal (vi, nano, sensible-editor, ...): started
// without a terminal they show nothing and quit.
bool IsTerminalEditor(const QString& command);

// A terminal emulator that can run a program with "-e" (x-terminal-emulator, xterm); empty
// when none is installed.
QString TerminalEmulator();

// How to show a text file with the editor command the user configured (empty: none).
// A configured command is used as it is, except that a terminal editor is run inside a
// terminal emulator and, without one, gives way to the built-in viewer. Without a configured
// command: $VISUAL or $EDITOR under the same rule, else the desktop's graphical editor
// (xdg-open, or a known graphical editor on the PATH), else the built-in viewer.
TEditorLaunch ResolveTextEditor(const QString& configured);

// The editor command used when the user has configured none; empty when the built-in viewer
// is to be used.
QString DefaultTextEditorCommand();

// Program and arguments of an editor command with the file path appended as one more
// argument (a path with blanks stays one argument; no shell is involved). Empty when the
// command is empty.
QStringList EditorArguments(const QString& command, const QString& filePath);

// Starts the editor on filePath as a detached process; the program does not wait for it.
// False when the process could not be started.
bool StartTextEditor(const QString& command, const QString& filePath);

} // namespace korva::gui
