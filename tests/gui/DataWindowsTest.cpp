// The numeric entry field, the grid window and the shaft and option windows, driven as a user
// drives them: keys typed into the fields, buttons and cells clicked, menu commands chosen;
// then what the project holds and what the windows show is checked.
#include "MessageBoxAnswers.h"
#include "ScriptedPrompt.h"
#include "gui/controls/DataEdit.h"
#include "gui/controls/GridTable.h"
#include "gui/controls/TableForm.h"
#include "gui/dialogs/DesignChart.h"
#include "gui/main/Main.h"
#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace korva::gui;

class DataWindowsTest : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir fSettingsHome;
    std::unique_ptr<QTemporaryDir> fWork;
    ScriptedPrompt* fPrompt = nullptr;
    std::unique_ptr<TMainForm> fForm;
    std::unique_ptr<BoxAnswers> fMessages;

    TMainForm& Form() { return *fForm; }
    TProgramData& Project() { return Form().Project(); }
    QString Work(const QString& name) const { return QDir(fWork->path()).filePath(name); }
    QString Example(const QString& name)
    {
        const QString target = Work(name);
        QFile::remove(target);
        QFile::copy(QString(KORVA_EXAMPLES) + "/" + name, target);
        return target;
    }
    QWidget* ActiveWindow()
    {
        QMdiSubWindow* window = Form().MdiArea()->activeSubWindow();
        return window != nullptr ? window->widget() : nullptr;
    }
    template <class T> T* Find(const char* name)
    {
        QWidget* window = ActiveWindow();
        T* widget = window != nullptr ? window->findChild<T*>(name) : nullptr;
        if (widget == nullptr)
            qFatal("no control %s", name);
        return widget;
    }
    // Chooses a Data menu command and returns its window.
    QWidget* Open(const char* command)
    {
        Form().UpdateDataMenu();
        Form().Command(command)->trigger();
        return ActiveWindow();
    }
    // Replaces a field's text as a user does: click, select all, type.
    static void Type(QWidget* field, const QString& text, bool enter = true)
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        if (enter)
            QTest::keyClick(field, Qt::Key_Return);
    }
    void Type(const char* field, const QString& text) { Type(Find<TDataEdit>(field), text); }
    // Clicks a check box or radio button on its indicator.
    static void Click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // Clicks a cell and types into it; Enter ends the entry.
    static void TypeIntoCell(QTableWidget* grid, int row, int column, const QString& text)
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, column)).center());
        QTest::keyClicks(grid, text.left(1));
        QLineEdit* editor = Editor(grid);
        if (editor == nullptr)
            qWarning("no editor at %d %d, current %d %d", row, column, grid->currentRow(),
                     grid->currentColumn());
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor hands its text over once the key has been handled.
        QTest::qWait(10);
    }
    // The open cell editor of a grid.
    static QLineEdit* Editor(QTableWidget* grid)
    {
        for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    // A Save, which first lets the active window store its values.
    void Save() { QTest::keyClick(&Form(), Qt::Key_S, Qt::ControlModifier); }
    QStringList FileLines(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll()).split("\r\n");
    }

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", fSettingsHome.path().toUtf8()); }
    void init()
    {
        fWork = std::make_unique<QTemporaryDir>();
        auto prompt = std::make_unique<ScriptedPrompt>();
        fPrompt = prompt.get();
        fForm = std::make_unique<TMainForm>(std::move(prompt));
        Form().PrevFile().Clear();
        Form().show();
        Form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Form()));
        fMessages = std::make_unique<BoxAnswers>();
    }
    void cleanup()
    {
        fForm.reset();
        fMessages.reset();
        QDir::setCurrent(QDir::tempPath());
        fWork.reset();
    }

    // --- Numeric entry field ---------------------------------------------------------------

    void entryFieldTakesExpressionsAndRefusesWithTheMessages()
    {
        QWidget window;
        auto* label = new QLabel(&window);
        auto* field = new TDataEdit(&window);
        auto* other = new TDataEdit(&window);
        field->move(0, 20);
        other->move(0, 60);
        field->SetEditLabel(label);
        field->SetCaption("Minimum Shaft Diameter, B, to be Considered");
        field->SetUnitsString("L2");
        field->SetMaxVal(30);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(label->text(), QString("Minimum Shaft Diameter, B, to be Considered (ft)"));
        field->SetUnits(2);
        QCOMPARE(label->text(), QString("Minimum Shaft Diameter, B, to be Considered (m)"));
        QCOMPARE(field->text(), QString("0")); // a new field

        const struct
        {
            const char* typed;
            const char* shown;
        } accepted[] = {{"2*3", "6"}, {"1E-5*2", "0.00002"}, {"sin(pi/2)", "1"}, {"(2+3)*4", "20"}};
        for (const auto& c : accepted) {
            Type(field, c.typed);
            QCOMPARE(field->text(), QString(c.shown));
            QVERIFY(field->OK());
        }
        QVERIFY(fMessages->messages.isEmpty());

        // Enter selects the whole value; an operator then extends it.
        Type(field, "6");
        QTest::keyClicks(field, "*2");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), QString("12"));

        // Refusals, each with its message; the field keeps the focus.
        Type(field, "45");
        QCOMPARE(fMessages->Last(), QString("Entry must be less than or equal to 30"));
        QCOMPARE(field->text(), QString("30"));
        QVERIFY(!field->OK());
        field->SetMinVal(1);
        Type(field, "-2");
        QCOMPARE(fMessages->Last(), QString("Entry must be greater than or equal to 1"));
        QCOMPARE(field->text(), QString("1"));
        Type(field, "abc");
        QCOMPARE(fMessages->Last(),
                 QString("Entry could not be evaluated:\ninvalid character(s) in expression"));
        QCOMPARE(field->text(), QString("abc"));
        QTRY_COMPARE(window.focusWidget(), static_cast<QWidget*>(field));
        // Leaving the field for another one of its window runs the check too. (A closed
        // message box gives the activation back to the window, as a window manager does.)
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Type(field, "2+", false);
        QTest::keyClick(field, Qt::Key_Tab);
        QTRY_COMPARE(fMessages->Last(),
                     QString("Entry could not be evaluated:\ninvalid expression"));
        QTRY_COMPARE(window.focusWidget(), static_cast<QWidget*>(field));

        field->SetIntegerOnly(true);
        Type(field, "2.5");
        QCOMPARE(fMessages->Last(), QString("Entry must be an integer."));
        Type(field, "x");
        QCOMPARE(fMessages->Last(), QString("Entry must be a valid integer."));
        QCOMPARE(fMessages->messages.size(), 6);
    }

    // --- Windows of the Data menu ----------------------------------------------------------

    void everyDataCommandOpensItsWindowOnce()
    {
        const std::pair<const char*, const char*> windows[] = {
            {"DataTitle", "Project Title"},
            {"DataShaft", "Drilled-Shaft Properties"},
            {"DataSafety", "Factor of Safety (F.S.)"},
            {"DataWater", "Water Table"},
            {"SpecifyLength", "Drilled Shaft Length"},
            {"DataMultipleLengths", "Multiple Shaft Lengths"},
            {"DataOptions", "Control Options"},
            {"SpecifyLoad", "Specification of Design Load"},
        };
        for (const auto& [command, caption] : windows) {
            QVERIFY2(Form().Command(command)->isEnabled(), command);
            QCOMPARE(Open(command)->windowTitle(), QString(caption));
        }
        // Choosing the design load closed the shaft-length window; a second command brings the
        // existing window to the front.
        QCOMPARE(Form().MdiArea()->subWindowList().size(), 7);
        Open("DataTitle");
        QCOMPARE(Form().MdiArea()->subWindowList().size(), 7);
        // The tool buttons open the same windows.
        auto* bar = Form().findChild<QToolBar*>("ToolBar");
        QTest::mouseClick(bar->widgetForAction(Form().Command("SpeedShaft")), Qt::LeftButton);
        QCOMPARE(ActiveWindow()->windowTitle(), QString("Drilled-Shaft Properties"));
        QCOMPARE(Form().MdiArea()->subWindowList().size(), 7);
    }

    void designLoadZeroesTheLengthAndIsSavedAsMethodOne()
    {
        const QString project = Example("Example.kv8d");
        Form().OpenFile(project, 1);
        QCOMPARE(Project().PD, 30.0L);
        Open("SpecifyLoad");
        Type("LPD", "100");
        Save();
        QCOMPARE(Project().LPD, 100.0L);
        QCOMPARE(Project().PD, 0.0L);
        QVERIFY(FileLines(project)[2].startsWith("1 "));
        QVERIFY(FileLines(project)[4].contains(" 100 "));
    }

    void upliftKeepsItsFactorAndCompressionStoresOne()
    {
        Open("SpecifyLength");
        auto* reduction = Find<TDataEdit>("RCYCL");
        QVERIFY(!reduction->isEnabled()); // compression
        Click(Find<QRadioButton>("Uplift"));
        QVERIFY(reduction->isEnabled());
        Type("RCYCL", "0.7");
        Type("PD", "40");
        QVERIFY(Form().StoreActiveChildEdits());
        QCOMPARE(Project().KCYCL, 2);
        QCOMPARE(Project().RCYCL, 0.7L);
        QCOMPARE(Project().PD, 40.0L);
        // The factor is at most 1.
        Type("RCYCL", "1.5");
        QCOMPARE(fMessages->Last(), QString("Entry must be less than or equal to 1"));
        Click(Find<QRadioButton>("Compression"));
        QVERIFY(Form().StoreActiveChildEdits());
        QCOMPARE(Project().KCYCL, 1);
        QCOMPARE(Project().RCYCL, 1.0L);

        // In the design-load window the factor stays open whichever loading is chosen.
        Open("SpecifyLoad");
        QVERIFY(Find<TDataEdit>("RCYCL")->isEnabled());
    }

    void maximumDiameterIsNotAskedWithMultipleLengths()
    {
        QWidget* window = Open("DataShaft");
        auto* maximum = window->findChild<TDataEdit*>("DIALIM");
        QVERIFY(maximum->isEnabled());
        QVERIFY(maximum->EditLabel()->text().endsWith("(ft)"));
        Form().CloseChildWindows();

        Open("DataMultipleLengths");
        Click(Find<QCheckBox>("IPENT"));
        QVERIFY(Find<TDataEdit>("PDMIN")->isEnabled());
        Type("PD", "60");
        window = Open("DataShaft"); // leaving the multiple-length window stores it
        QCOMPARE(Project().IPENT, 1);
        QCOMPARE(Project().PD, 60.0L);
        QVERIFY(!window->findChild<TDataEdit*>("DIALIM")->isEnabled());
        QVERIFY(!window->findChild<TDataEdit*>("DIALIM")->EditLabel()->isEnabled());
        // Limits of the shaft window: a diameter of at most 30.
        Type("DSTART", "31");
        QCOMPARE(fMessages->Last(), QString("Entry must be less than or equal to 30"));
    }

    void refusedEntryKeepsTheWindowAndStoresNothing()
    {
        Open("DataShaft");
        Type("DSTART", "4");
        Type(Find<TDataEdit>("EPILE"), "4e6/", false);
        // Another window is chosen: the shaft window refuses and stays active, nothing stored.
        Form().Command("DataWater")->trigger();
        QCOMPARE(fMessages->Last(), QString("Entry could not be evaluated:\ninvalid expression"));
        QCOMPARE(ActiveWindow()->windowTitle(), QString("Drilled-Shaft Properties"));
        QCOMPARE(Project().DSTART, 0.0L);
        // A command stops too, and closing is refused.
        Save();
        QVERIFY(fPrompt->saveTitles.isEmpty());
        QVERIFY(!Form().MdiArea()->activeSubWindow()->close());
        // Once valid, leaving stores every value.
        Type("EPILE", "4e6/2");
        Open("DataWater");
        QCOMPARE(Project().DSTART, 4.0L);
        QCOMPARE(Project().EPILE, 2000000.0L);
        QVERIFY(Form().GetDataChanged());
    }

    void unchangedTitleDoesNotMarkTheProjectChanged()
    {
        QWidget* window = Open("DataTitle");
        auto* title = window->findChild<QLineEdit*>("Title");
        QCOMPARE(title->text(), QString("New Pile"));
        QCOMPARE(title->maxLength(), 80);
        Type(title, "New Pile", false);
        QVERIFY(Form().StoreActiveChildEdits());
        QVERIFY(!Form().GetDataChanged());
        Type(title, "Pier 7", false);
        Open("DataWater");
        QCOMPARE(QString::fromStdString(Project().Title), QString("Pier 7"));
        QVERIFY(Form().GetDataChanged());
    }

    void unitSwitchShowsTheOpenWindowsInTheNewSystem()
    {
        Open("DataWater");
        Type("WTD", "10");
        QWidget* shaft = Open("DataShaft");
        Type("DSTART", "3");
        Form().Command("UnitsSI")->trigger();
        auto* diameter = shaft->findChild<TDataEdit*>("DSTART");
        QCOMPARE(diameter->text(), QString("0.9144"));
        QVERIFY(diameter->EditLabel()->text().endsWith("(m)"));
        QVERIFY(shaft->findChild<TDataEdit*>("EPILE")->EditLabel()->text().endsWith("(kN/m²)"));
        Open("DataWater");
        QCOMPARE(Find<TDataEdit>("WTD")->text(), QString("3.048"));
        QVERIFY(Find<TDataEdit>("WTD")->EditLabel()->text().endsWith("(m)"));
    }

    void designChartPointsFollowTheNumberAndItsArrows()
    {
        Project().IChart = 1;
        auto* charts = static_cast<TfrmDesignChart*>(Open("DataDesignCharts"));
        QTableWidget* grid = charts->Settlements();
        QCOMPARE(grid->rowCount(), 5);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Settlement (in)"));
        QCOMPARE(grid->item(1, 1)->text(), QString("0.25"));

        // "12": after the "1" one point row, the "2" leaves the grid as it was; the field
        // itself takes at most 10.
        Type(charts->Points(), "1", false);
        QCOMPARE(grid->rowCount(), 1);
        QTest::keyClicks(charts->Points(), "2");
        QCOMPARE(grid->rowCount(), 1);
        QTest::keyClick(charts->Points(), Qt::Key_Return);
        QCOMPARE(fMessages->Last(), QString("Entry must be less than or equal to 10"));
        QCOMPARE(charts->Points()->text(), QString("10"));
        QCOMPARE(grid->rowCount(), 10);
        QTest::mouseClick(charts->Up(), Qt::LeftButton);
        QCOMPARE(charts->Points()->text(), QString("10"));
        for (int i = 0; i < 12; ++i)
            QTest::mouseClick(charts->Down(), Qt::LeftButton);
        QCOMPARE(charts->Points()->text(), QString("1")); // the down arrow stops at 1
        QTest::mouseClick(charts->Up(), Qt::LeftButton);
        QCOMPARE(grid->rowCount(), 2);

        // A settlement that is not a number is refused before anything is stored.
        Type("PDINCR", "2");
        TypeIntoCell(grid, 1, 1, "abc");
        Open("DataWater");
        QCOMPARE(fMessages->Last(),
                 QString("Entry could not be evaluated:\ninvalid character(s) in expression"));
        QCOMPARE(ActiveWindow(), static_cast<QWidget*>(charts));
        QCOMPARE(Project().PDINCR, 0.0L);
        QCOMPARE(Project().NPOINTPD, 5);
        // Corrected, every value is stored and the count matches the settlements.
        TypeIntoCell(grid, 1, 1, "0.3*2");
        Open("DataWater");
        QCOMPARE(Project().PDINCR, 2.0L);
        QCOMPARE(Project().NPOINTPD, 2);
        QCOMPARE(Project().PDSETT[0], 0.1L);
        QCOMPARE(Project().PDSETT[1], 0.6L);
    }

    void projectWithoutSettlementsKeepsNoneUntilGivenPoints()
    {
        // A file without design charts: NPOINTPD 0.
        Form().OpenFile(Example("Example.kv8d"), 1);
        QCOMPARE(Project().NPOINTPD, 0);
        auto* charts = static_cast<TfrmDesignChart*>(Open("DataDesignCharts"));
        QCOMPARE(charts->Points()->text(), QString("1"));
        QCOMPARE(charts->Settlements()->rowCount(), 0);
        Open("DataWater");
        QCOMPARE(Project().NPOINTPD, 0);
        QVERIFY(!Form().GetDataChanged());
        // Given a point, the count and the settlement come together.
        charts = static_cast<TfrmDesignChart*>(Open("DataDesignCharts"));
        Click(charts->Compute());
        QTest::mouseClick(charts->Up(), Qt::LeftButton);
        Open("DataWater");
        QCOMPARE(Project().IChart, 1);
        QCOMPARE(Project().NPOINTPD, 2);
        QCOMPARE(Project().PDSETT[0], 1.0L); // new point rows start at 1
    }

    // --- Grid window ----------------------------------------------------------------------

    void gridWindowStoresRefusesAndMovesOnEnter()
    {
        TGridTable& depths = Project().TblTZDepth();
        depths.SetRowCount(2);
        TTableForm form(depths, true, &Form());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QString("Generated t-z curves"));
        QTableWidget* grid = form.Grid();
        QCOMPARE(grid->item(0, 1)->text(), QString("Depth (ft)  "));
        auto typeInto = [&](int row, const QString& text) {
            TypeIntoCell(grid, form.GridRow(row), 1, text);
        };
        typeInto(0, "2*3");
        QCOMPARE(depths.GetFloatValue(0, 0), 6.0L);
        // Enter moved to the next row.
        QCOMPARE(grid->currentRow(), form.GridRow(1));
        typeInto(1, "abc");
        QTRY_COMPARE(fMessages->Last(), QString("abc is not a valid number."));
        QCOMPARE(depths.GetFloatValue(0, 1), 0.0L);
        QVERIFY(!form.StoreEditedCell());
        QVERIFY(!form.close()); // closing is refused while the cell holds the refused text
        QTRY_VERIFY(Editor(grid) != nullptr);
        QTest::keyClick(Editor(grid), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Editor(grid), "12.5");
        QTest::keyClick(Editor(grid), Qt::Key_Return);
        QTest::qWait(10);
        QCOMPARE(depths.GetFloatValue(0, 1), 12.5L);
        // From the last row Enter goes back to the top of the (only) column.
        QCOMPARE(grid->currentRow(), form.GridRow(0));

        // Rows: add appends, insert goes before the current row, delete removes it.
        auto click = [&](const char* name) {
            QTest::mouseClick(form.findChild<QPushButton*>(name), Qt::LeftButton);
        };
        click("AddRow");
        QCOMPARE(depths.RowCount(), 3);
        QCOMPARE(grid->currentRow(), form.GridRow(2));
        grid->setFocus();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(form.GridRow(1), 1)).center());
        click("InsertRow");
        QCOMPARE(depths.RowCount(), 4);
        QCOMPARE(depths.GetFloatValue(0, 2), 12.5L);
        QCOMPARE(depths.GetFloatValue(0, 1), 0.0L);
        click("DeleteRow");
        QCOMPARE(depths.RowCount(), 3);
        QCOMPARE(depths.GetFloatValue(0, 1), 12.5L);
        QVERIFY(depths.GetChanged());

        // At most ten rows are visible; the eleventh scrolls.
        const int tenRowsHeight = [&] {
            for (int i = depths.RowCount(); i < 10; ++i)
                click("AddRow");
            return grid->height();
        }();
        click("AddRow");
        QCOMPARE(depths.RowCount(), 11);
        QCOMPARE(grid->height(), tenRowsHeight);
        QVERIFY(form.close());
    }

    void gridWindowChecksIntegerRangesAndOpensSubTables()
    {
        TGridTable& layers = Project().D();
        TTableForm form(layers, true, &Form());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The kind list of row 1 chooses clay: the row's button shows the clay table.
        auto* kind = form.findChild<QComboBox*>("List_0_0");
        QVERIFY(kind != nullptr);
        QTest::mouseClick(kind, Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(layers.GetIntValue(LayerColumn::Kind, 0), 2);
        QTRY_VERIFY(form.findChild<QPushButton*>("Table_2_0") != nullptr);
        QTRY_COMPARE(form.findChild<QPushButton*>("Table_2_0")->text(),
                     QString("1: Clay Layer Data"));

        // The clay table's blow counts take 0 to 100 while the table is shown.
        TGridTable& clay = *Project().LayerProperties(0);
        TTableForm properties(clay, true, &Form());
        properties.show();
        QVERIFY(QTest::qWaitForWindowExposed(&properties));
        QCOMPARE(properties.windowTitle(), QString("Clay Layer Data 1"));
        QTableWidget* grid = properties.Grid();
        const int column = properties.GridColumn(ClayColumn::BlowCounts);
        TypeIntoCell(grid, properties.GridRow(0), column, "101");
        QTRY_COMPARE(fMessages->Last(), QString("Entry must be between 0 and 100."));
        QCOMPARE(clay.GetIntValue(ClayColumn::BlowCounts, 0), 0);
        QTRY_VERIFY(Editor(grid) != nullptr);
        QTest::keyClick(Editor(grid), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Editor(grid), "25");
        QTest::keyClick(Editor(grid), Qt::Key_Return);
        QTest::qWait(10);
        QCOMPARE(clay.GetIntValue(ClayColumn::BlowCounts, 0), 25);
        // Two rows, neither added nor deleted.
        QVERIFY(!properties.findChild<QPushButton*>("AddRow")->isEnabled());
        QVERIFY(!properties.findChild<QPushButton*>("DeleteRow")->isEnabled());
        properties.close();
        form.close();
    }

    // --- Round trip -----------------------------------------------------------------------

    void newProjectFilledInEveryWindowIsSavedAsTyped()
    {
        QTest::keyClick(&Form(), Qt::Key_N, Qt::ControlModifier);
        Type(Open("DataTitle")->findChild<QLineEdit*>("Title"), "Pier 7 east", false);
        Open("DataShaft");
        for (const auto& [field, text] :
             std::initializer_list<std::pair<const char*, const char*>>{{"DSTART", "3"},
                                                                        {"DIALIM", "5"},
                                                                        {"RATIO", "2.5"},
                                                                        {"BELANGL", "45"},
                                                                        {"TOPLENG", "5"},
                                                                        {"BS", "1"},
                                                                        {"EPILE", "4000000"}})
            Type(field, text);
        Open("DataSafety");
        Type("FST", "2");
        Type("FSB", "2.5*1.2");
        Open("DataWater");
        Type("WTD", "12.5");
        Open("SpecifyLength");
        Type("PD", "42");
        Click(Find<QRadioButton>("Uplift"));
        Type("RCYCL", "0.75");
        auto* charts = static_cast<TfrmDesignChart*>(Open("DataDesignCharts"));
        Click(charts->Compute());
        Type("PDMIN", "20");
        Type("PDINCR", "2");
        Type("DIAMINCR", "0.5");
        Type(charts->Points(), "3");
        QWidget* options = Open("DataOptions");
        Click(options->findChild<QRadioButton*>("IMODMaximum"));
        Type("PINC", "2");
        Click(options->findChild<QCheckBox*>("UseElevation"));
        Type("ValElevation", "-12.5");
        Click(options->findChild<QCheckBox*>("PrintTZCurves"));
        QVERIFY(options->findChild<QPushButton*>("EditDepths")->isEnabled());

        const QString path = Work("Pier7.kv8d");
        fPrompt->saveFileNames.enqueue(path);
        Save();
        QVERIFY2(fPrompt->errors.isEmpty(), qPrintable(fPrompt->errors.join("|")));
        const QStringList lines = FileLines(path);
        QCOMPARE(lines[0], QString("Pier 7 east"));
        QCOMPARE(lines[1], QString("1 "));
        QCOMPARE(lines[2], QString("2 2 0.75 2 0 2 0 1 1 -12.5 1"));
        QCOMPARE(lines[3], QString("3 5 2.5 45 5 1 4000000"));
        QCOMPARE(lines[4], QString("1 12.5 42 2 3"));
        QCOMPARE(lines[5], QString("20 2 0.5 3"));
        QCOMPARE(lines[6], QString("0.1 0.25 0.5 "));

        // Read back, the windows show what was typed.
        Form().OpenFile(path, 1);
        QCOMPARE(QString::fromStdString(Project().Title), QString("Pier 7 east"));
        Open("DataSafety");
        QCOMPARE(Find<TDataEdit>("FSB")->text(), QString("3"));
        Open("SpecifyLength");
        QVERIFY(Find<QRadioButton>("Uplift")->isChecked());
        QCOMPARE(Find<TDataEdit>("RCYCL")->text(), QString("0.75"));
        QVERIFY(!Form().GetDataChanged());
    }
};

QTEST_MAIN(DataWindowsTest)
#include "DataWindowsTest.moc"
