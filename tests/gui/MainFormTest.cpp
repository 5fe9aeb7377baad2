// The main window driven headless: opening, saving, asking to save, recent files, the data
// menu rules, the text editor and a run through the engine library of this build.
#include "ScriptedPrompt.h"
#include "gui/main/Main.h"
#include "gui/main/TextFileViewer.h"
#include "gui/main/UserSettings.h"
#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QToolBar>
#include <QtTest>

using namespace korva::gui;

// A data window that counts how often it was asked to store its edits.
class CountingDataWindow : public QWidget, public EditingWindow
{
  public:
    // Counted outside the window: closing the child windows deletes it.
    int* stores = nullptr;
    bool StoreEdits() override
    {
        ++*stores;
        return true;
    }
    void ShowProjectValues() override {}
};

class MainFormTest : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir fSettingsHome;
    std::unique_ptr<QTemporaryDir> fWork;
    ScriptedPrompt* fPrompt = nullptr; // owned by the form
    std::unique_ptr<TMainForm> fForm;

    TMainForm& Form() { return *fForm; }
    TProgramData& Data() { return Form().Project(); }
    QString Work(const QString& name) const { return QDir(fWork->path()).filePath(name); }
    // Copies an example project into the work folder.
    QString Example(const QString& name)
    {
        const QString target = Work(name);
        QFile::remove(target);
        if (!QFile::copy(QString(KORVA_EXAMPLES) + "/" + name, target))
            qFatal("cannot copy example %s", qPrintable(name));
        return target;
    }
    bool Enabled(const char* command) { return Form().Command(command)->isEnabled(); }
    static QByteArray Bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void WriteBytes(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    QString FileName() { return QString::fromStdString(Form().Project().FileName); }

    // The user's own ways in: the window shown and active, its shortcuts and tool buttons.
    void ShowActive()
    {
        Form().show();
        Form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Form()));
    }
    void ClickToolButton(const char* command)
    {
        auto* bar = Form().findChild<QToolBar*>("ToolBar");
        QWidget* button = bar->widgetForAction(Form().Command(command));
        QVERIFY2(button != nullptr, command);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // File > Open with Ctrl+O; the open dialog answers with path and filter.
    void OpenWithKeyboard(const QString& path, int filter)
    {
        fPrompt->openFileNames.enqueue(path);
        fPrompt->openFilters.enqueue(filter);
        QTest::keyClick(&Form(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(fPrompt->openFileNames.isEmpty());
    }

  private slots:
    void initTestCase()
    {
        // Settings of the tests go to a private folder, never to the user's.
        qputenv("XDG_CONFIG_HOME", fSettingsHome.path().toUtf8());
    }
    void init()
    {
        fWork = std::make_unique<QTemporaryDir>();
        auto prompt = std::make_unique<ScriptedPrompt>();
        fPrompt = prompt.get();
        fForm = std::make_unique<TMainForm>(std::move(prompt));
        Form().SetEngineLibraryPath(KORVA_ENGINE_LIBRARY);
        Form().PrevFile().Clear();
    }
    void cleanup()
    {
        fForm.reset();
        QDir::setCurrent(QDir::tempPath());
        fWork.reset();
    }

    void newProjectCaptionAndDisabledResults()
    {
        Form().StartUp({});
        QCOMPARE(Form().windowTitle(), QString("KORVA 2017.8.10 - NewKorva.kv8d"));
        QVERIFY(!Enabled("SpeedViewOutput"));
        for (const char* result :
             {"SpeedCombined", "SpeedCombinedD", "SpeedSettlement", "SpeedTz", "SpeedQw"})
            QVERIFY2(!Enabled(result), result);
        Form().UpdateGraphicsMenu();
        QVERIFY(!Enabled("GraphSkin"));
    }

    void commandLineRunAndResults()
    {
        const QString project = Example("Example.kv8d");
        // Without a dot in its name the argument gets the data extension.
        Form().StartUp({Work("Example")});
        QCOMPARE(Form().windowTitle(), QString("KORVA 2017.8.10 - Example.kv8d"));
        QCOMPARE(QString::fromStdString(Form().PrevFile().Entry(0)), project);
        QCOMPARE(Form().CurDir(), fWork->path());
        QVERIFY(!Form().ShowOutput);

        Form().CompRunClick();
        QVERIFY2(fPrompt->errors.isEmpty(), qPrintable(fPrompt->errors.join("|")));
        QVERIFY2(fPrompt->warnings.isEmpty(), qPrintable(fPrompt->warnings.join("|")));
        QCOMPARE(fPrompt->informations, QStringList{RunMessages::Completed});
        QCOMPARE(Form().Run().LastStatus(), 0);

        QVERIFY(Form().ShowOutput);
        QVERIFY(Form().showtzcurves);
        for (const char* result : {"SpeedViewOutput", "SpeedCombined", "SpeedCombinedD",
                                   "SpeedSettlement", "SpeedTz", "SpeedQw"})
            QVERIFY2(Enabled(result), result);
        Form().UpdateGraphicsMenu();
        for (const char* item : {"GraphSkin", "GraphTip", "GraphTotal", "GraphCombine",
                                 "GraphFSSkin", "GraphAxial", "GraphTz", "GraphQw"})
            QVERIFY2(Enabled(item), item);
        QVERIFY(!Form().Command("GraphChart1")->isVisible()); // no design charts asked for
        Form().UpdateComputationMenu();
        QVERIFY(Enabled("EditInput") && Enabled("EditNotes") && Enabled("EditOutput"));

        TResultGraphs& graphs = Form().Graphs();
        QCOMPARE(graphs.pltSkin.LineCount(), 1);
        QVERIFY(graphs.pltSkin.Count() > 10);
        QCOMPARE(graphs.pltCombine.LineCount(), 3);
        QCOMPARE(graphs.pltAxial.Count(), 16);
        QVERIFY(graphs.pltAxial.Data(0, 15).x > 0);
        QVERIFY(graphs.pltTz.LineCount() > 0);
        QVERIFY(graphs.pltSkin.LayerLineCount() == 1);

        for (const char* gone : {"names.dat", "TZDIAM.DAT", "Example.kv8w", "Example.kv8t",
                                 "Example.kv8q", "Example.kv8l"})
            QVERIFY2(!QFileInfo::exists(Work(gone)), gone);
        for (const char* kept : {"Example.kv8o", "Example.kv8p", "Example.kv8r", "Example.kv8z"})
            QVERIFY2(QFileInfo::exists(Work(kept)), kept);

        // A plot window opens as a child; the next run closes every child window.
        Form().ShowGraph(graphs.pltSkin);
        QCOMPARE(Form().MdiArea()->subWindowList().size(), 1);
        Form().CompRunClick();
        QCOMPARE(fPrompt->informations.size(), 2);
        QCOMPARE(Form().MdiArea()->subWindowList().size(), 0);
        QVERIFY(!graphs.pltSkin.FormExists());
    }

    void openingProjectWithResultsEnablesThem()
    {
        const QString project = Example("Example.kv8d");
        Form().OpenFile(project, 1);
        Form().CompRunClick();
        Form().FileNewClick();
        QVERIFY(!Form().ShowOutput);
        QVERIFY(!Enabled("SpeedCombined"));
        Form().OpenFile(project, 1);
        QVERIFY(Form().ShowOutput);
        QVERIFY(Enabled("SpeedCombined") && Enabled("SpeedViewOutput") && Enabled("SpeedTz"));

        // Save As, cancelled: the report still lies beside the project, yet "View Output" and
        // the result buttons are disabled with the results.
        Form().FileSaveAsClick();
        QVERIFY(!Form().ShowOutput);
        QVERIFY(QFileInfo::exists(Work("Example.kv8o")));
        for (const char* result : {"SpeedViewOutput", "SpeedCombined", "SpeedCombinedD",
                                   "SpeedSettlement", "SpeedTz", "SpeedQw"})
            QVERIFY2(!Enabled(result), result);
    }

    void projectReadWithTheLayoutItHasWhateverTheFilter()
    {
        // Two clay layers in SI units: read with another layout this file gives shaft values
        // of 0, FSB 4000000 and one empty layer, which a run would save over the file.
        const QString project = Example("StiffClayLrfdSi.kv8d");
        const QByteArray before = Bytes(project);
        ShowActive();
        for (int filter : {4, 2, 3, 1}) {
            OpenWithKeyboard(project, filter);
            QVERIFY2(fPrompt->informations.isEmpty(), qPrintable(fPrompt->informations.join("|")));
            QCOMPARE(FileName(), project);
            QCOMPARE(Data().D().RowCount(), 2);
            QCOMPARE(Data().FSB, 3.0L);
            QCOMPARE(Data().DSTART, 0.9L);
            ClickToolButton("SpeedRun");
            QCOMPARE(fPrompt->informations, QStringList{RunMessages::Completed});
            fPrompt->informations.clear();
            QCOMPARE(Bytes(project), before);
        }
    }

    void failedOpenKeepsTheProjectAndNeverWritesTheDamagedFile()
    {
        const QString good = Example("Example.kv8d");
        const QByteArray goodBytes = Bytes(good);
        const QByteArray clay = Bytes(QString(KORVA_EXAMPLES) + "/ClaySite.kv8d");
        struct Damage
        {
            const char* name;
            QByteArray bytes;
            QString message;
        };
        const QList<Damage> damages = {
            // Ends in the middle of the second layer's top record.
            {"Truncated.kv8d", clay.left(clay.indexOf("9 125 0.0 2500") + 9),
             "This file either invalid or incomplete."},
            {"NotANumber.kv8d", QByteArray(clay).replace("3 4 0 0 5 3", "3 4 x 0 5 3"),
             "Error on Line 4 Item 3\rA floating point number was expected but not found."},
            {"SevenValues.kv8d", QByteArray(clay).replace("1 1 1 1 1 2 0 0 0 0 0", "1 1 1 1 1 2 0"),
             "Error on Line 3 Item 8\rThe control record holds 7 values: a project file has 11 "
             "(or 10), an older one 6, 5 or 4."},
        };
        ShowActive();
        OpenWithKeyboard(good, 1);
        ClickToolButton("SpeedRun");
        QVERIFY(Form().ShowOutput);
        fPrompt->informations.clear();
        for (const Damage& damage : damages) {
            const QString path = Work(damage.name);
            WriteBytes(path, damage.bytes);
            OpenWithKeyboard(path, 1);
            QCOMPARE(fPrompt->informations,
                     QStringList{damage.message + "\nThe file was not opened."});
            fPrompt->informations.clear();
            // The project, its caption, its results and the recent files stay as they were.
            QCOMPARE(FileName(), good);
            QCOMPARE(Form().windowTitle(), QString("KORVA 2017.8.10 - Example.kv8d"));
            QVERIFY(Form().ShowOutput && Enabled("SpeedCombined"));
            QCOMPARE(QString::fromStdString(Form().PrevFile().Entry(0)), good);
            // Run and Save write the open project to its own file only.
            ClickToolButton("SpeedRun");
            QCOMPARE(fPrompt->informations, QStringList{RunMessages::Completed});
            fPrompt->informations.clear();
            QTest::keyClick(&Form(), Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(Bytes(path), damage.bytes);
            QCOMPARE(Bytes(good), goodBytes);
        }

        // Started with a damaged file: a new project, which a run saves only under a name
        // the user chooses.
        const QString damaged = Work(damages[0].name);
        fForm.reset();
        auto prompt = std::make_unique<ScriptedPrompt>();
        fPrompt = prompt.get();
        fForm = std::make_unique<TMainForm>(std::move(prompt));
        Form().StartUp({damaged});
        QCOMPARE(FileName(), QString("NewKorva.kv8d"));
        ShowActive();
        ClickToolButton("SpeedRun");
        QCOMPARE(fPrompt->saveTitles, QStringList{"Save NewKorva.kv8d As"});
        QCOMPARE(Bytes(damaged), damages[0].bytes);
    }

    void runThatCannotSaveSaysWhy()
    {
        // The project's folder vanished after it was opened (a removed stick, a folder
        // deleted elsewhere): Run cannot save, and says what the system reported.
        const QString folder = Work("Site");
        QVERIFY(QDir().mkpath(folder));
        const QString project = folder + "/Example.kv8d";
        QVERIFY(QFile::copy(QString(KORVA_EXAMPLES) + "/Example.kv8d", project));
        ShowActive();
        OpenWithKeyboard(project, 1);
        QVERIFY(QDir(folder).removeRecursively());
        ClickToolButton("SpeedRun");
        QCOMPARE(fPrompt->informations.size(), 1);
        const QString told = fPrompt->informations.front();
        QVERIFY2(told.startsWith(QString(RunMessages::SaveFailed) + "\n" + folder),
                 qPrintable(told));
        QVERIFY2(told.endsWith(": No such file or directory"), qPrintable(told));
        QVERIFY(fPrompt->errors.isEmpty());
    }

    void failedRunGivesOneMessageWithTheEnginesReason()
    {
        ShowActive();
        // A design load the shaft never carries: the report exists and is pointed to.
        const QString clay = Work("ClaySite.kv8d");
        QByteArray bytes = Bytes(QString(KORVA_EXAMPLES) + "/ClaySite.kv8d");
        QVERIFY(bytes.contains("\n2 15 150 2.5 3"));
        WriteBytes(clay, bytes.replace("\n2 15 150 2.5 3", "\n2 15 150000 2.5 3"));
        OpenWithKeyboard(clay, 1);
        ClickToolButton("SpeedRun");
        QCOMPARE(fPrompt->informations,
                 QStringList{"Computations are completed, but there may be errors.\nThe design "
                             "load is not reached within the soil profile (status 7).\nPlease, "
                             "check output file for results or error messages."});
        QVERIFY(QFileInfo::exists(Work("ClaySite.kv8o")));
        fPrompt->informations.clear();

        // A project path longer than the engine's 255 characters: nothing is written, and no
        // output file is named.
        QString deep = fWork->path();
        while (deep.size() < 260)
            deep += "/a-folder-of-a-deeply-nested-project-tree";
        QVERIFY(QDir().mkpath(deep));
        const QString project = deep + "/Example.kv8d";
        QVERIFY(QFile::copy(QString(KORVA_EXAMPLES) + "/Example.kv8d", project));
        OpenWithKeyboard(project, 1);
        ClickToolButton("SpeedRun");
        QCOMPARE(fPrompt->informations,
                 QStringList{"Computations could not be completed.\nThe names file is missing or "
                             "cannot be read, or a path in it is longer than 255 characters "
                             "(status 11)."});
        QVERIFY(!QFileInfo::exists(deep + "/Example.kv8o"));
        QVERIFY(!Form().ShowOutput);
    }

    void siProjectRuns()
    {
        Form().OpenFile(Example("SiSandOverClay.kv8d"), 1);
        Form().CompRunClick();
        QVERIFY2(fPrompt->errors.isEmpty(), qPrintable(fPrompt->errors.join("|")));
        QCOMPARE(fPrompt->informations, QStringList{RunMessages::Completed});
        QVERIFY(Form().ShowOutput);
        QCOMPARE(Form().Graphs().pltSkin.Units(), 2);
    }

    void missingLibraryDoesNotRun()
    {
        Form().OpenFile(Example("Example.kv8d"), 1);
        Form().SetEngineLibraryPath(Work("libkorvacalc.so"));
        Form().CompRunClick();
        QCOMPARE(fPrompt->informations, QStringList{"Attempt to initialize DLL failed"});
        QVERIFY(!Form().ShowOutput);
        QVERIFY(!QFileInfo::exists(Work("names.dat")));
        QVERIFY(!QFileInfo::exists(Work("Example.kv8o")));
        QCOMPARE(QDir::currentPath(), fWork->path());
    }

    void profileCheckStopsRun()
    {
        Form().OpenFile(Example("Example.kv8d"), 1);
        Data().D().SetRowCount(2);
        Data().D().SetFloatValue(LayerColumn::Depth, 0, 10);
        Data().D().SetFloatValue(LayerColumn::Depth, 1, 11);
        Form().CompRunClick();
        QCOMPARE(fPrompt->warnings.size(), 1);
        QCOMPARE(fPrompt->warnings[0],
                 QString("Thickness of layer should be at least 2 ft\nto avoid numerical "
                         "errors. \nPlease check layer 2 . Thickness = 1 ft"));
        QVERIFY(fPrompt->informations.isEmpty());
        QVERIFY(!QFileInfo::exists(Work("Example.kv8o")));

        // The saved file is what the engine would read: the check runs after the save.
        Data().D().SetRowCount(0);
        Form().CompRunClick();
        QCOMPARE(fPrompt->warnings.size(), 2);
        QVERIFY(fPrompt->warnings[1].contains("no layers"));
    }

    void newProjectRunAsksForNameAndCancelEndsSilently()
    {
        Form().StartUp({});
        Form().CompRunClick();
        QCOMPARE(fPrompt->saveTitles, QStringList{"Save NewKorva.kv8d As"});
        QCOMPARE(fPrompt->saveSuggestions, QStringList{"NewKorva.kv8d"});
        QVERIFY(fPrompt->informations.isEmpty() && fPrompt->warnings.isEmpty());
        QVERIFY(!Form().filesaved);
    }

    void askToSaveFlow()
    {
        const QString project = Example("Example.kv8d");
        Form().OpenFile(project, 1);
        Form().CompRunClick();
        QVERIFY(Form().ShowOutput);

        // Unchanged: no question.
        Form().FileNewClick();
        QCOMPARE(fPrompt->askCount, 0);
        Form().OpenFile(project, 1);

        // Cancel keeps the project and its results.
        Form().SetDataChanged(true);
        fPrompt->saveAnswers.enqueue(UserPrompt::Answer::Cancel);
        Form().FileNewClick();
        QCOMPARE(fPrompt->askCount, 1);
        QCOMPARE(QString::fromStdString(Form().Project().FileName), project);
        QVERIFY(Form().ShowOutput && Enabled("SpeedCombined"));

        // Yes saves the project (File > Save), then goes on.
        const QFileInfo before(project);
        Data().Title = "Saved by the question";
        fPrompt->saveAnswers.enqueue(UserPrompt::Answer::Yes);
        Form().FileNewClick();
        QCOMPARE(QString::fromStdString(Form().Project().FileName), QString("NewKorva.kv8d"));
        QFile saved(project);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readLine().trimmed(), QByteArray("Saved by the question"));

        // No discards the changes.
        Form().OpenFile(project, 1);
        Form().SetDataChanged(true);
        fPrompt->saveAnswers.enqueue(UserPrompt::Answer::No);
        Form().FileNewClick();
        QCOMPARE(QString::fromStdString(Form().Project().FileName), QString("NewKorva.kv8d"));
        QVERIFY(!Form().GetDataChanged());

        // Yes on a never-saved project whose Save As is cancelled stops the command.
        Form().SetDataChanged(true);
        fPrompt->saveAnswers.enqueue(UserPrompt::Answer::Yes);
        fPrompt->openFileNames.enqueue(project);
        Form().FileOpenClick();
        QCOMPARE(QString::fromStdString(Form().Project().FileName), QString("NewKorva.kv8d"));
        QVERIFY(fPrompt->openFileNames.size() == 1); // the open dialog never came up
    }

    void closingAsksAndCancelKeepsWindowOpen()
    {
        Form().StartUp({});
        Form().show();
        Form().SetDataChanged(true);
        fPrompt->saveAnswers.enqueue(UserPrompt::Answer::Cancel);
        QVERIFY(!Form().close());
        fPrompt->saveAnswers.enqueue(UserPrompt::Answer::No);
        QVERIFY(Form().close());
    }

    void saveAsFromOlderLayoutSuggestsDataExtension()
    {
        const QString old = Work("legacy.kvd");
        QFile::copy(QString(KORVA_EXAMPLES) + "/Example.kv8d", old);
        Form().OpenFile(old, 2); // read as the previous layout; errors are reported
        fPrompt->informations.clear();
        Form().FileSaveClick();
        QCOMPARE(fPrompt->saveSuggestions, QStringList{"legacy.kv8d"});
        QCOMPARE(fPrompt->saveTitles, QStringList{"Save Legacy.kvd As"});

        // Yes to the question with the Save As cancelled keeps the unsaved project.
        Form().SetDataChanged(true);
        fPrompt->saveAnswers.enqueue(UserPrompt::Answer::Yes);
        Form().FileNewClick();
        QCOMPARE(QString::fromStdString(Form().Project().FileName), old);
        QVERIFY(Form().GetDataChanged());
    }

    void recentFilesInFileMenu()
    {
        const QString first = Example("Example.kv8d");
        const QString second = Example("ClaySite.kv8d");
        QDir(fWork->path()).mkdir("sub");
        const QString third = Work("sub/Other.kv8d");
        QFile::copy(first, third);
        Form().OpenFile(first, 1);
        Form().OpenFile(second, 1);
        Form().OpenFile(third, 1); // the current folder becomes sub/
        Form().OpenFile(third, 1);
        QCOMPARE(Form().PrevFile().Count(), 3);
        Form().UpdateFileMenu();
        QCOMPARE(Form().Command("RecentFile1")->text(), QString("1 Other.kv8d"));
        QCOMPARE(Form().Command("RecentFile2")->text(), "2 " + second);
        QVERIFY(Form().Command("RecentFile3")->isVisible());
        QVERIFY(!Form().Command("RecentFile4")->isVisible());

        // Choosing an entry opens it and moves it to the head.
        Form().RecentFileClick(2);
        QCOMPARE(QString::fromStdString(Form().Project().FileName), first);
        QCOMPARE(QString::fromStdString(Form().PrevFile().Entry(0)), first);
    }

    void droppedFileOpensOnlyProjects()
    {
        const QString project = Example("ClaySite.kv8d");
        QFile text(Work("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.close();
        Form().OpenDroppedFile(Work("notes.txt"));
        QCOMPARE(QString::fromStdString(Form().Project().FileName), QString("NewKorva.kv8d"));
        Form().OpenDroppedFile(project);
        QCOMPARE(QString::fromStdString(Form().Project().FileName), project);
        QCOMPARE(Form().CurDir(), fWork->path());
    }

    void dataMenuRules()
    {
        Form().OpenFile(Example("ClaySite.kv8d"), 1); // design load given: METHOD 1
        Form().UpdateDataMenu();
        QVERIFY(!Enabled("DataMultipleLengths"));
        QVERIFY(!Enabled("DataDesignCharts"));
        QVERIFY(Form().Command("SpecifyLoad")->isChecked());
        QVERIFY(Form().Command("UnitsEnglish")->isChecked());
        QVERIFY(Form().Command("MethodASD")->isChecked());
        QVERIFY(!Form().Command("DataTzPrinting")->isVisible());

        // Switching the unit system converts the project and marks it changed.
        Form().Command("UnitsSI")->trigger();
        QCOMPARE(Form().Project().Units(), 2);
        QVERIFY(Form().GetDataChanged());
        Form().Command("MethodLRFD")->trigger();
        QCOMPARE(Form().Project().NLRFD, 1);
        Form().UpdateDataMenu();
        QVERIFY(Form().Command("MethodLRFD")->isChecked());
        QVERIFY(!Form().Command("MethodASD")->isChecked());
        QVERIFY(!Enabled("DataSafety"));
        Form().Command("SpecifyLength")->trigger();
        QCOMPARE(Form().Project().METHOD, 2);
    }

    void designChartItemsFollowTheSettlements()
    {
        const QString project = Work("DesignCharts.kv8d");
        QVERIFY(QFile::copy(QString(KORVA_TEST_DATA) + "/gui/DesignCharts.kv8d", project));
        Form().OpenFile(project, 1);
        QVERIFY2(fPrompt->informations.isEmpty(), qPrintable(fPrompt->informations.join("|")));
        Form().UpdateGraphicsMenu();
        QCOMPARE(Form().Command("GraphChart1")->text(), QString("Design Chart (0.1-in movement)"));
        QCOMPARE(Form().Command("GraphChart3")->text(), QString("Design Chart (0.5-in movement)"));
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(Form().Command(QString("GraphChart%1").arg(i))->isVisible(), i <= 3);
        QVERIFY(!Enabled("GraphChart1")); // no results yet
        Form().UpdateDataMenu();
        QVERIFY(Form().Command("DataDesignCharts")->isChecked());
        QVERIFY(!Form().Command("DataMultipleLengths")->isChecked());
        QCOMPARE(Form().Command("GraphCombine")->text(),
                 QString("Combined Plots vs Depth (Initial Diameter)"));
    }

    void textEditorStartsWithPathAsOneArgument()
    {
        QDir(fWork->path()).mkdir("with blank");
        const QString project = Work("with blank/Example.kv8d");
        QFile::copy(QString(KORVA_EXAMPLES) + "/Example.kv8d", project);
        Form().OpenFile(project, 1);
        const QString script = Work("record args.sh");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args.txt\"\n");
        file.close();
        Form().SetWordProcessor("/bin/sh \"" + script + "\"");
        Form().EditTextFile(".kv8d");
        QVERIFY(fPrompt->informations.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(Work("args.txt")).size() > 0, 5000);
        QFile args(Work("args.txt"));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(args.readAll()), project + "\n");

        Form().SetWordProcessor(Work("no-such-editor"));
        Form().EditTextFile(".kv8o");
        QCOMPARE(fPrompt->informations,
                 QStringList{"An error occurred in running the Word Processor"});
    }

    void withoutEditorTheReportOpensInTheBuiltInViewer()
    {
        // Fresh settings, and of editors only terminal ones, with no terminal to run them in.
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velmar", "KORVA").clear();
        const QString bin = Work("bin");
        QVERIFY(QDir().mkpath(bin));
        for (const char* name : {"sensible-editor", "vi", "nano"}) {
            QFile program(bin + "/" + name);
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.write("#!/bin/sh\necho started >> \"$(dirname \"$0\")/started.txt\"\n");
            program.close();
            program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        const QByteArray visual = qgetenv("VISUAL");
        const QByteArray editor = qgetenv("EDITOR");
        qputenv("PATH", bin.toUtf8());
        qputenv("VISUAL", "");
        qputenv("EDITOR", "");
        auto restore = qScopeGuard([&] {
            qputenv("PATH", path);
            qputenv("VISUAL", visual);
            qputenv("EDITOR", editor);
        });
        fForm.reset();
        auto prompt = std::make_unique<ScriptedPrompt>();
        fPrompt = prompt.get();
        fForm = std::make_unique<TMainForm>(std::move(prompt));
        Form().SetEngineLibraryPath(KORVA_ENGINE_LIBRARY);
        Form().StartUp({});
        // No editor is made up and stored for the user.
        QCOMPARE(Form().WordProcessor(), QString());

        const QString project = Example("Example.kv8d");
        ShowActive();
        OpenWithKeyboard(project, 1);
        ClickToolButton("SpeedRun");
        QCOMPARE(fPrompt->informations, QStringList{RunMessages::Completed});
        ClickToolButton("SpeedViewOutput");
        QVERIFY(fPrompt->informations.size() == 1 && fPrompt->errors.isEmpty());
        QVERIFY(!QFileInfo::exists(bin + "/started.txt"));

        auto viewers = [] {
            QList<TTextFileViewer*> found;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* viewer = qobject_cast<TTextFileViewer*>(widget);
                    viewer && viewer->isVisible())
                    found << viewer;
            return found;
        };
        QCOMPARE(viewers().size(), 1);
        TTextFileViewer* viewer = viewers().front();
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        const QString report = QString::fromLocal8Bit(Bytes(Work("Example.kv8o")));
        QCOMPARE(viewer->Text()->toPlainText(), report);
        QVERIFY(viewer->Text()->isReadOnly());
        QVERIFY(QFontInfo(viewer->Text()->font()).fixedPitch());
        QCOMPARE(viewer->windowTitle(), QString("Example.kv8o (read-only)"));

        // Find: Ctrl+F, the word, Enter.
        viewer->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(viewer, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(viewer->FindBox()->isVisible() && viewer->FindBox()->hasFocus());
        QTest::keyClicks(viewer->FindBox(), "capacity");
        QTest::keyClick(viewer->FindBox(), Qt::Key_Return);
        QCOMPARE(viewer->Text()->textCursor().selectedText().toLower(), QString("capacity"));
        QTest::keyClicks(viewer->FindBox(), "-not-in-the-report");
        QTest::keyClick(viewer->FindBox(), Qt::Key_Return);
        QCOMPARE(viewer->FindStatus()->text(), QString("Not found"));

        // Print to PDF, offered beside the report.
        QString offered;
        viewer->ChoosePdfFile = [&](const QString& suggested) {
            offered = suggested;
            return Work("report");
        };
        QTest::mouseClick(
            viewer->Tools()->widgetForAction(viewer->findChild<QAction*>("PrintToPdf")),
            Qt::LeftButton);
        QCOMPARE(offered, Work("Example.pdf"));
        QVERIFY(Bytes(Work("report.pdf")).startsWith("%PDF"));

        // Open in Editor: a terminal editor without a terminal is refused with the reason.
        QStringList told;
        viewer->Inform = [&told](const QString& text) { told << text; };
        viewer->ChooseEditorProgram = [&] { return bin + "/vi"; };
        QTest::mouseClick(
            viewer->Tools()->widgetForAction(viewer->findChild<QAction*>("OpenInEditor")),
            Qt::LeftButton);
        QCOMPARE(told, QStringList{bin + "/vi works only inside a terminal, and no terminal "
                                         "program (x-terminal-emulator, xterm) is installed."});
        QVERIFY(!QFileInfo::exists(bin + "/started.txt"));

        const QString folder = QString(KORVA_BUILD_DIR) + "/snapshots/text-viewer";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(viewer->grab().save(folder + "/TextFileViewer.png"));

        // The same file again: the same window, the text read anew.
        ClickToolButton("SpeedViewOutput");
        QCOMPARE(viewers().size(), 1);
        // Edit Input Text: a second window on the data file.
        Form().UpdateComputationMenu();
        Form().Command("EditInput")->trigger();
        QCOMPARE(viewers().size(), 2);
        viewers().at(0)->close();
        viewers().at(0)->close();
        QTRY_COMPARE(viewers().size(), 0);
    }

    void cascadeKeepsPlotWindowsUsable()
    {
        const QString project = Example("Example.kv8d");
        Form().resize(1280, 960);
        ShowActive();
        OpenWithKeyboard(project, 1);
        ClickToolButton("SpeedRun");
        // Fifteen plot windows from the Graphics menu.
        Form().UpdateGraphicsMenu();
        int opened = 0;
        for (const char* name :
             {"GraphSkin", "GraphTip", "GraphTotal", "GraphCombine", "GraphFSSkin", "GraphFSTip",
              "GraphFSTotal", "GraphCombineD", "GraphAxial", "GraphUpper", "GraphLower",
              "GraphCombinedSettle", "GraphTz", "GraphQw", "GraphTzAdd", "GraphLoad"}) {
            QAction* item = Form().Command(name);
            if (opened < 15 && item->isEnabled() && item->isVisible()) {
                item->trigger();
                ++opened;
            }
        }
        QCOMPARE(opened, 15);
        QCOMPARE(Form().MdiArea()->subWindowList().size(), 15);
        Form().Command("WindowCascade")->trigger();
        const QSize area = Form().MdiArea()->viewport()->size();
        QVERIFY(area.width() > 820 && area.height() > 620);
        QSet<int> lefts;
        for (QMdiSubWindow* window : Form().MdiArea()->subWindowList()) {
            QVERIFY(!window->isMaximized());
            // At least a new plot window's size, and inside the area.
            QVERIFY2(window->widget()->width() >= 800 && window->widget()->height() >= 600,
                     qPrintable(QString("%1 x %2").arg(window->width()).arg(window->height())));
            QVERIFY(QRect(QPoint(), area).contains(window->geometry()));
            lefts << window->x();
        }
        QVERIFY(lefts.size() > 1); // cascaded, not stacked on one place
        // Freed with the plot windows still open, as when the window goes away without
        // being closed: nothing is freed twice.
        fForm.reset();
    }

    void settingsKeepRecentFilesAndEditor()
    {
        const QString project = Example("Example.kv8d");
        Form().SetWordProcessor("my-editor --new-window");
        Form().OpenFile(project, 1);
        fForm.reset();
        fForm = std::make_unique<TMainForm>(std::make_unique<ScriptedPrompt>());
        Form().StartUp({});
        QCOMPARE(Form().WordProcessor(), QString("my-editor --new-window"));
        QCOMPARE(QString::fromStdString(Form().PrevFile().Entry(0)), project);
        QCOMPARE(Form().CurDir(), fWork->path());
    }

    void toolBarHintsAndWindowMenu()
    {
        const QStringList hints{"New File",
                                "Open File",
                                "Save File",
                                "Title",
                                "Drilled Shaft Properties",
                                "Soil Layer Data",
                                "Factor of Safety (ASD)",
                                "Run Data File",
                                "Live Results: analyse every edit at once",
                                "View Output",
                                "View Soil Profile",
                                "3D View",
                                "Combined Plot (Ultimate)",
                                "Combined Plot (LRFD/ASD)",
                                "Load vs. Settlement",
                                "t-z curves",
                                "Q-w curves"};
        QStringList shown;
        for (QAction* action : Form().findChild<QToolBar*>("ToolBar")->actions())
            if (!action->isSeparator())
                shown << action->toolTip();
        QCOMPARE(shown, hints);

        // The Window menu lists the open child windows by caption.
        Form().OpenFile(Example("Example.kv8d"), 1);
        Form().CompRunClick();
        Form().UpdateWindowMenu();
        QVERIFY(!Form().Command("Window0")->isVisible());
        Form().ShowGraph(Form().Graphs().pltSkin);
        Form().ShowGraph(Form().Graphs().pltTip);
        Form().ShowGraph(Form().Graphs().pltSkin); // exists once only
        QCOMPARE(Form().MdiArea()->subWindowList().size(), 2);
        Form().UpdateWindowMenu();
        QVERIFY(Form().Command("Window0")->isVisible());
        QVERIFY(Form().Command("Window1")->isVisible());
        QVERIFY(!Form().Command("Window2")->isVisible());
        QVERIFY(Form().Command("Window0")->text().startsWith("Ultimate Skin Friction vs Depth"));
        Form().Command("Window0")->trigger();
        QCOMPARE(Form().MdiArea()->activeSubWindow(), Form().MdiArea()->subWindowList()[0]);
    }

    void dataWindowsExistOnceAndStoreTheirEdits()
    {
        // Outlives the test function: the windows made here are closed in cleanup().
        static int stores = 0;
        stores = 0;
        int creations = 0;
        Form().RegisterChildWindow(ChildWindowKind::Title, [&](const TChildWindowContext&) {
            ++creations;
            auto* created = new CountingDataWindow;
            created->stores = &stores;
            created->setWindowTitle("Title");
            return created;
        });
        QVERIFY(Enabled("DataTitle") && Enabled("SpeedTitle"));
        Form().Command("DataTitle")->trigger();
        Form().Command("SpeedTitle")->trigger();
        QCOMPARE(creations, 1);
        QVERIFY(Form().ChildWindowExists(ChildWindowKind::Title));
        QCOMPARE(Form().MdiArea()->subWindowList().size(), 1);

        // The tool button lets the data window store its edits before saving; the cancelled
        // Save As then closes the child windows (which stores them once more).
        Form().Command("SpeedSave")->trigger();
        QVERIFY(stores >= 1);

        Form().CloseChildWindows();
        QTRY_VERIFY(!Form().ChildWindowExists(ChildWindowKind::Title));
        Form().Command("DataTitle")->trigger();
        QCOMPARE(creations, 2);
    }

    void droppedUrlOpensTheProject()
    {
        const QString project = Example("ClaySite.kv8d");
        Form().show();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(project)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&Form(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Form(), &drop);
        QCOMPARE(QString::fromStdString(Form().Project().FileName), project);
        QCOMPARE(Form().windowTitle(), QString("KORVA 2017.8.10 - ClaySite.kv8d"));
    }

    void exceptionInCommandIsShown()
    {
        Form().OpenFile(Example("Example.kv8d"), 1);
        // A project whose folder vanished cannot be saved: the failure is shown, not fatal.
        Form().Project().FileName = Work("gone/Example.kv8d").toStdString();
        Form().Command("FileSave")->trigger();
        QCOMPARE(fPrompt->errors.size(), 1);
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
