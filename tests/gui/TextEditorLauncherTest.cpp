// The text editor command: split into program and arguments, the file path one more argument.
#include "gui/main/TextEditorLauncher.h"

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

    void unstartableEditorIsReported()
    {
        QVERIFY(!StartTextEditor("/nonexistent/editor", "/tmp/x.kv8o"));
        QVERIFY(!StartTextEditor("", "/tmp/x.kv8o"));
    }
};

QTEST_MAIN(TextEditorLauncherTest)
#include "TextEditorLauncherTest.moc"
