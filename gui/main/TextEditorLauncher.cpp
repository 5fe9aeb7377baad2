#include "gui/main/TextEditorLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace korva::gui {

namespace {

// Editors that draw in a terminal; the names Debian installs them under.
const QStringList& TerminalEditorNames()
{
    static const QStringList names{"sensible-editor",
                                   "editor",
                                   "vi",
                                   "vim",
                                   "vim.basic",
                                   "vim.tiny",
                                   "nvim",
                                   "view",
                                   "nano",
                                   "rnano",
                                   "pico",
                                   "ed",
                                   "red",
                                   "emacs-nox",
                                   "mg",
                                   "joe",
                                   "jed",
                                   "jmacs",
                                   "jstar",
                                   "mcedit",
                                   "micro",
                                   "ne",
                                   "zile",
                                   "kak",
                                   "hx",
                                   "elvis",
                                   "jove",
                                   "elvis-tiny"};
    return names;
}

// Graphical editors looked for on the PATH when no editor is configured, the desktop's
// opener first.
constexpr const char* kGraphicalEditors[] = {
    "xdg-open", "gedit", "gnome-text-editor", "kate",    "kwrite", "mousepad",
    "pluma",    "xed",   "featherpad",        "leafpad", "geany"};

QString Quoted(const QString& word)
{
    return word.contains(' ') ? '"' + word + '"' : word;
}

// The command itself, or for a terminal editor the command inside a terminal emulator; empty
// when a terminal editor has no terminal to run in.
QString Runnable(const QString& command)
{
    if (!IsTerminalEditor(command))
        return command;
    const QString terminal = TerminalEmulator();
    if (terminal.isEmpty())
        return {};
    return Quoted(terminal) + " -e " + command;
}

} // namespace

bool IsTerminalEditor(const QString& command)
{
    const QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty())
        return false;
    return TerminalEditorNames().contains(QFileInfo(words.first()).fileName());
}

QString TerminalEmulator()
{
    for (const char* program : {"x-terminal-emulator", "xterm"}) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

TEditorLaunch ResolveTextEditor(const QString& configured)
{
    TEditorLaunch launch;
    if (!configured.trimmed().isEmpty()) {
        launch.Command = Runnable(configured.trimmed());
        launch.BuiltInViewer = launch.Command.isEmpty();
        return launch;
    }
    launch.Command = DefaultTextEditorCommand();
    launch.BuiltInViewer = launch.Command.isEmpty();
    return launch;
}

QString DefaultTextEditorCommand()
{
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const QString value = qEnvironmentVariable(variable).trimmed();
        if (value.isEmpty())
            continue;
        const QString command = Runnable(value);
        if (!command.isEmpty())
            return command;
    }
    // Graphical editors only: a terminal editor started without a terminal shows nothing.
    for (const char* program : kGraphicalEditors) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return Quoted(path);
    }
    return {};
}

QStringList EditorArguments(const QString& command, const QString& filePath)
{
    QStringList arguments = QProcess::splitCommand(command);
    if (arguments.isEmpty())
        return {};
    arguments << filePath;
    return arguments;
}

bool StartTextEditor(const QString& command, const QString& filePath)
{
    QStringList arguments = EditorArguments(command, filePath);
    if (arguments.isEmpty())
        return false;
    const QString program = arguments.takeFirst();
    return QProcess::startDetached(program, arguments, QFileInfo(filePath).absolutePath());
}

} // namespace korva::gui
