// The text editor command: split into program and arguments, the file path one more argument.
#include "gui/main/TextEditorLauncher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace korva::gui;

class TextEditorLauncherTest : public QObject
{
    Q_OBJECT

  private slots:
    void commandIsSplitAndPathAppendedWhole()
    {
        QCOMPARE(EditorArguments("\"/opt/my editor/ed\" --new-window", "/data/site a/pier.kv8o"),
                 (QStringList{"/opt/my editor/ed", "--new-window", "/data/site a/pier.kv8o"}));
        QCOMPARE(EditorArguments("gedit", "/p/x.kv8r"), (QStringList{"gedit", "/p/x.kv8r"}));
        QVERIFY(EditorArguments("   ", "/p/x.kv8r").isEmpty());
    }

    void defaultEditorPrefersTheUsersChoice()
    {
        const QByteArray visual = qgetenv("VISUAL");
        const QByteArray editor = qgetenv("EDITOR");
        qputenv("VISUAL", "");
        qputenv("EDITOR", "my-editor -w");
        QCOMPARE(DefaultTextEditorCommand(), QString("my-editor -w"));
        qputenv("VISUAL", "visual-editor");
        QCOMPARE(DefaultTextEditorCommand(), QString("visual-editor"));
        qputenv("VISUAL", "");
        qputenv("EDITOR", "");
        qputenv("VISUAL", visual);
        qputenv("EDITOR", editor);
    }

    void editorChosenByWhatIsInstalled()
    {
        // Programs of a private PATH, each a script that does nothing.
        QTemporaryDir bin;
        auto install = [&bin](const char* name) {
            QFile program(bin.filePath(name));
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.write("#!/bin/sh\nexit 0\n");
            program.close();
            program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        const QByteArray path = qgetenv("PATH");
        const QByteArray visual = qgetenv("VISUAL");
        const QByteArray editor = qgetenv("EDITOR");
        qputenv("PATH", bin.path().toUtf8());
        qputenv("VISUAL", "");
        qputenv("EDITOR", "");

        // Nothing installed: the built-in viewer.
        QVERIFY(ResolveTextEditor("").BuiltInViewer);
        // Terminal editors without a terminal show nothing: still the built-in viewer, also
        // when the user named one.
        install("sensible-editor");
        install("vi");
        QVERIFY(IsTerminalEditor("/usr/bin/sensible-editor"));
        QVERIFY(IsTerminalEditor("vi -R"));
        QVERIFY(!IsTerminalEditor("gedit"));
        QVERIFY(ResolveTextEditor("").BuiltInViewer);
        QVERIFY(ResolveTextEditor("vi").BuiltInViewer);
        qputenv("EDITOR", "vi");
        QVERIFY(ResolveTextEditor("").BuiltInViewer);
        // With a terminal emulator a terminal editor runs inside it.
        install("x-terminal-emulator");
        const QString terminal = bin.filePath("x-terminal-emulator");
        QCOMPARE(ResolveTextEditor("vi").Command, terminal + " -e vi");
        QCOMPARE(ResolveTextEditor("").Command, terminal + " -e vi");
        QCOMPARE(EditorArguments(ResolveTextEditor("vi").Command, "/p/a b.kv8o"),
                 (QStringList{terminal, "-e", "vi", "/p/a b.kv8o"}));
        qputenv("EDITOR", "");
        // Nothing configured: the desktop's graphical editor, the opener first.
        QVERIFY(ResolveTextEditor("").BuiltInViewer);
        install("mousepad");
        QCOMPARE(ResolveTextEditor("").Command, bin.filePath("mousepad"));
        install("xdg-open");
        QCOMPARE(ResolveTextEditor("").Command, bin.filePath("xdg-open"));
        QVERIFY(!ResolveTextEditor("").BuiltInViewer);
        // A configured editor that is not a terminal editor is used as it stands.
        QCOMPARE(ResolveTextEditor("  my-editor -w ").Command, QString("my-editor -w"));

        qputenv("PATH", path);
        qputenv("VISUAL", visual);
        qputenv("EDITOR", editor);
    }

    void unstartableEditorIsReported()
    {
        QVERIFY(!StartTextEditor("/nonexistent/editor", "/tmp/x.kv8o"));
        QVERIFY(!StartTextEditor("", "/tmp/x.kv8o"));
    }
};

QTEST_MAIN(TextEditorLauncherTest)
#include "TextEditorLauncherTest.moc"
