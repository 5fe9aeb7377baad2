#include "gui/main/TextEditorLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace korva::gui {

QString DefaultTextEditorCommand()
{
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const QString value = qEnvironmentVariable(variable).trimmed();
        if (!value.isEmpty())
            return value;
    }
    // Graphical editors first: a terminal editor started without a terminal shows nothing.
    for (const char* program : {"xdg-open", "gedit", "gnome-text-editor", "kate", "kwrite",
                                "mousepad", "pluma", "xed", "featherpad", "leafpad"}) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    const QString terminal = QStandardPaths::findExecutable("x-terminal-emulator");
    for (const char* program : {"sensible-editor", "editor", "nano", "vi"}) {
        const QString path = QStandardPaths::findExecutable(program);
        if (path.isEmpty())
            continue;
        if (!terminal.isEmpty())
            return QString("\"%1\" -e \"%2\"").arg(terminal, path);
        return path;
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
