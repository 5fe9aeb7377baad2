// The soil layers window and the layer editor, driven as a user drives them: layer buttons,
// kind lists and fields clicked and typed into, the editor's pages filled and closed; then
// what the layer table and the property tables hold is checked. Ends with a project built
// from File > New through the windows and analysed by the engine library of this build.
#include "gui/dialogs/SoilLayers.h"
#include "MessageBoxAnswers.h"
#include "ScriptedPrompt.h"
#include "gui/controls/DataEdit.h"
#include "gui/controls/GridTable.h"
#include "gui/dialogs/Soils.h"
#include "gui/main/Main.h"
#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QQueue>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <functional>

using namespace korva::gui;

class SoilLayersTest : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir fSettingsHome;
    std::unique_ptr<QTemporaryDir> fWork;
    ScriptedPrompt* fPrompt = nullptr;
    std::unique_ptr<TMainForm> fForm;
    std::unique_ptr<BoxAnswers> fBoxes;

    TMainForm& Form() { return *fForm; }
    TProgramData& Project() { return Form().Project(); }
    TGridTable& D() { return Project().D(); }
    QWidget* ActiveWindow()
    {
        QMdiSubWindow* window = Form().MdiArea()->activeSubWindow();
        return window != nullptr ? window->widget() : nullptr;
    }
    QWidget* Open(const char* command)
    {
        Form().UpdateDataMenu();
        Form().Command(command)->trigger();
        return ActiveWindow();
    }
    TDlgSoilLayers* OpenLayers() { return qobject_cast<TDlgSoilLayers*>(Open("DataSoilLayers")); }
    template <class T> static T* Child(QWidget* window, const QString& name)
    {
        T* widget = window != nullptr ? window->findChild<T*>(name) : nullptr;
        if (widget == nullptr)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    // The control of layer k (1-based) in a grid column, scrolled into view as a user would.
    static QWidget* RowControl(TDlgSoilLayers* window, int layer, int column)
    {
        const int row = TDlgSoilLayers::HeadingRows + layer - 1;
        QTableWidget* grid = window->LayerGrid();
        grid->scrollTo(grid->model()->index(row, column));
        QTest::qWait(5);
        return grid->cellWidget(row, column);
    }
    static TDataEdit* LayerField(TDlgSoilLayers* window, int layer, int column)
    {
        return qobject_cast<TDataEdit*>(RowControl(window, layer, column));
    }
    static void Type(QWidget* field, const QString& text, bool enter = true)
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        if (enter)
            QTest::keyClick(field, Qt::Key_Return);
    }
    static void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void ClickButton(QWidget* window, const char* name)
    {
        Click(Child<QPushButton>(window, name));
    }
    static void ClickRadio(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // Chooses a kind (1-9) in the drop-down list of layer k with the keyboard.
    static void ChooseKind(TDlgSoilLayers* window, int layer, int kind)
    {
        auto* list = qobject_cast<QComboBox*>(RowControl(window, layer, 1));
        QVERIFY(list != nullptr);
        QTest::mouseClick(list, Qt::LeftButton);
        QTRY_VERIFY(list->view()->isVisible());
        const int steps = kind - 1 - std::max(list->currentIndex(), 0);
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(list->view(), steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        if (list->currentIndex() < 0 && steps == 0)
            QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QTRY_VERIFY(!list->view()->isVisible());
    }
    // Clicks "Edit Layer k" and runs `script` on the layer editor while it is shown. The
    // script ends by closing the editor; should it fail to, the editor is closed here.
    void EditLayer(TDlgSoilLayers* window, int layer, const std::function<void(TDlgSoils*)>& script)
    {
        bool ran = false;
        QTimer poll;
        QElapsedTimer waited;
        waited.start();
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* editor = qobject_cast<TDlgSoils*>(QApplication::activeModalWidget());
            if (editor == nullptr || !editor->isVisible()) {
                if (waited.elapsed() > 5000)
                    poll.stop();
                return;
            }
            poll.stop();
            ran = true;
            script(editor);
            if (editor->isVisible()) {
                qWarning("layer editor left open");
                editor->QDialog::done(QDialog::Rejected);
            }
        });
        poll.start(10);
        Click(RowControl(window, layer, 0));
        poll.stop();
        QVERIFY(ran);
    }
    // The fields of the editor's page: column c's top or bottom field.
    static TDataEdit* Top(TDlgSoils* editor, int column)
    {
        return Child<TDataEdit>(editor->Pages()->currentWidget(), QString("Top_%1").arg(column));
    }
    static TDataEdit* Bottom(TDlgSoils* editor, int column)
    {
        return Child<TDataEdit>(editor->Pages()->currentWidget(), QString("Bottom_%1").arg(column));
    }
    static void TypeBoth(TDlgSoils* editor, int column, const QString& top, const QString& bottom)
    {
        Type(Top(editor, column), top);
        Type(Bottom(editor, column), bottom);
    }
    long double Property(int layer, int column, int row)
    {
        const TGridTable& table = *Project().LayerProperties(layer - 1);
        return table.Column(column).Type() == TColumnType::Float ? table.GetFloatValue(column, row)
                                                                 : table.GetIntValue(column, row);
    }
    long double LayerValue(int layer, int column) { return D().GetFloatValue(column, layer - 1); }
    int Kind(int layer) { return D().GetIntValue(LayerColumn::Kind, layer - 1); }

    // Five layers typed in: bottoms 10, 20, ... and side friction limits 100, 200, ....
    TDlgSoilLayers* FiveTypedLayers()
    {
        TDlgSoilLayers* window = OpenLayers();
        for (int i = 0; i < 4; ++i)
            ClickButton(window, "AddLayer");
        for (int layer = 1; layer <= 5; ++layer) {
            Type(LayerField(window, layer, TDlgSoilLayers::DepthColumn),
                 QString::number(10 * layer));
            Type(LayerField(window, layer, TDlgSoilLayers::SideLimitColumn),
                 QString::number(100 * layer));
        }
        return window;
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
        Form().SetEngineLibraryPath(KORVA_ENGINE_LIBRARY);
        Form().resize(1280, 900);
        Form().show();
        Form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Form()));
        fBoxes = std::make_unique<BoxAnswers>();
    }
    void cleanup()
    {
        fForm.reset();
        fBoxes.reset();
        QDir::setCurrent(QDir::tempPath());
        fWork.reset();
    }

    // --- The soil layers window ---------------------------------------------------------------

    void menuAndToolButtonOpenTheWindowWithItsHeadings()
    {
        QVERIFY(Form().Command("DataSoilLayers")->isEnabled());
        QVERIFY(Form().Command("SpeedSoil")->isEnabled());
        TDlgSoilLayers* window = OpenLayers();
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QString("Soill Layers"));
        QTableWidget* grid = window->LayerGrid();
        QCOMPARE(grid->columnCount(), 5); // ASD: no factor columns
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->item(0, 2)->text(), QString("Depth at Bottom * "));
        QCOMPARE(grid->item(1, 2)->text(), QString(" of each layer (ft) "));
        QCOMPARE(grid->item(1, 3)->text(), QString("       (lb/ft^2)    "));
        QCOMPARE(grid->item(2, 1)->text(), QString("1"));
        QCOMPARE(Child<QPushButton>(window, "EditLayer_1")->text(), QString("Edit Layer 1"));
        auto* kinds = Child<QComboBox>(window, "Kind_1");
        QCOMPARE(kinds->count(), 9);
        QCOMPARE(kinds->currentText(), QString("sand (FHWA Spec.)"));
        QVERIFY(Child<QCheckBox>(window, "ConfirmDeletion")->isChecked());

        // The design method and the units change the headings of the open window; a value
        // typed before the switch is converted with the layer table.
        Type(LayerField(window, 1, TDlgSoilLayers::DepthColumn), "10");
        Form().Command("MethodLRFD")->trigger();
        Form().Command("UnitsSI")->trigger();
        QCOMPARE(grid->columnCount(), 7);
        QCOMPARE(grid->item(0, 5)->text(), QString("LRFD Res. Factor"));
        QCOMPARE(grid->item(1, 6)->text(), QString(" (End Bearing) "));
        QCOMPARE(grid->item(1, 2)->text(), QString(" of each layer (m) "));
        QCOMPARE(grid->item(1, 4)->text(), QString("       (kN/m^2)    "));
        QCOMPARE(LayerField(window, 1, TDlgSoilLayers::SideFactorColumn)->text(), QString("1"));
        QCOMPARE(LayerField(window, 1, TDlgSoilLayers::DepthColumn)->text(), QString("3.048"));
        QVERIFY(grid->width() >= 841);

        // The tool button brings the same window to the front.
        Open("DataWater");
        Form().Command("SpeedSoil")->trigger();
        QCOMPARE(ActiveWindow(), static_cast<QWidget*>(window));
    }

    void openingAndClosingMarksTheProjectChanged()
    {
        QVERIFY(!Form().GetDataChanged());
        TDlgSoilLayers* window = OpenLayers();
        QVERIFY(!Form().GetDataChanged());
        QPointer<QWidget> alive(window);
        ClickButton(window, "Close");
        QTRY_VERIFY(alive.isNull());
        QVERIFY(Form().GetDataChanged());
        QCOMPARE(D().RowCount(), 1);
        QCOMPARE(LayerValue(1, LayerColumn::PhiSide), 1.0L);
    }

    void typedValuesAreStoredWhenTheWindowIsLeft()
    {
        TDlgSoilLayers* window = OpenLayers();
        Type(LayerField(window, 1, TDlgSoilLayers::DepthColumn), "12.5*2");
        Type(LayerField(window, 1, TDlgSoilLayers::EndLimitColumn), "4000", false);
        // Not yet stored: the grid holds the values while the window is shown.
        QCOMPARE(LayerValue(1, LayerColumn::Depth), 0.0L);
        Open("DataWater");
        QCOMPARE(LayerValue(1, LayerColumn::Depth), 25.0L);
        QCOMPARE(LayerValue(1, LayerColumn::MaxEndBearing), 4000.0L);
        QCOMPARE(LayerValue(1, LayerColumn::MaxSideFriction), 0.0L);
    }

    void refusedEntryKeepsTheWindowAndNothingTypedIsLost()
    {
        TDlgSoilLayers* window = OpenLayers();
        ClickButton(window, "AddLayer");
        Type(LayerField(window, 1, TDlgSoilLayers::DepthColumn), "10");
        Type(LayerField(window, 2, TDlgSoilLayers::DepthColumn), "2*", false);
        // Another window: refused, the layers window stays, nothing stored.
        Form().Command("DataWater")->trigger();
        QTRY_COMPARE(fBoxes->Last(), QString("Entry could not be evaluated:\ninvalid expression"));
        QCOMPARE(ActiveWindow(), static_cast<QWidget*>(window));
        QCOMPARE(LayerValue(1, LayerColumn::Depth), 0.0L);
        // Closing and the layer commands are refused too.
        QVERIFY(!Form().MdiArea()->activeSubWindow()->close());
        ClickButton(window, "AddLayer");
        QCOMPARE(D().RowCount(), 2);
        QTRY_COMPARE(Form().focusWidget(),
                     static_cast<QWidget*>(LayerField(window, 2, TDlgSoilLayers::DepthColumn)));
        // Corrected, every typed value is there.
        Type(LayerField(window, 2, TDlgSoilLayers::DepthColumn), "2*15");
        Open("DataWater");
        QCOMPARE(LayerValue(1, LayerColumn::Depth), 10.0L);
        QCOMPARE(LayerValue(2, LayerColumn::Depth), 30.0L);
    }

    void fortyLayersDisableAddAndInsertAndNoneDisablesDelete()
    {
        TDlgSoilLayers* window = OpenLayers();
        auto* add = Child<QPushButton>(window, "AddLayer");
        auto* insert = Child<QPushButton>(window, "InsertLayer");
        auto* remove = Child<QPushButton>(window, "DeleteLayer");
        for (int i = 1; i < 39; ++i)
            Click(add);
        QVERIFY(add->isEnabled());
        QVERIFY(insert->isEnabled());
        Click(add);
        QCOMPARE(D().RowCount(), 40);
        QCOMPARE(window->LayerGrid()->rowCount(), 42);
        QVERIFY(!add->isEnabled());
        QVERIFY(!insert->isEnabled());
        // The new last row was scrolled into view.
        QWidget* last = window->LayerGrid()->cellWidget(41, 0);
        QVERIFY(window->LayerGrid()->viewport()->rect().intersects(
            QRect(last->mapTo(window->LayerGrid()->viewport(), QPoint()), last->size())));

        // Without confirmation every layer can go; an empty table disables Delete.
        Click(Child<QCheckBox>(window, "ConfirmDeletion"));
        for (int i = 0; i < 40; ++i)
            Click(remove);
        QCOMPARE(D().RowCount(), 0);
        QVERIFY(!remove->isEnabled());
        QVERIFY(add->isEnabled());
        QVERIFY(fBoxes->messages.isEmpty());

        // The empty profile is stored and a run of it does not start.
        Open("DataWater");
        QCOMPARE(D().RowCount(), 0);
        fPrompt->saveFileNames.enqueue(QDir(fWork->path()).filePath("Empty.kv8d"));
        const int told = fPrompt->informations.size() + fPrompt->warnings.size();
        QCOMPARE(Form().CompRunClick(), EngineRunEnd::NotStarted);
        QVERIFY(!Form().ShowOutput);
        QCOMPARE(fPrompt->informations.size() + fPrompt->warnings.size(), told + 1);
        QVERIFY(!QFile::exists(QDir(fWork->path()).filePath("Empty.kv8o")));

        // Add starts a new first layer.
        window = OpenLayers();
        QCOMPARE(window->LayerGrid()->rowCount(), 2);
        ClickButton(window, "AddLayer");
        QCOMPARE(D().RowCount(), 1);
        QCOMPARE(Kind(1), KindSand);
        QVERIFY(Child<QPushButton>(window, "DeleteLayer")->isEnabled());
    }

    void deletingAsksForTheRowAndNoChangesNothing()
    {
        TDlgSoilLayers* window = FiveTypedLayers();
        Open("DataWater");
        window = OpenLayers();
        Project().SetDataChanged(false);
        // Layer 3 is touched, then Delete: No keeps everything.
        QTest::mouseClick(LayerField(window, 3, TDlgSoilLayers::DepthColumn), Qt::LeftButton);
        QCOMPARE(window->FocusRow, 4);
        fBoxes->answers.enqueue(QMessageBox::No);
        ClickButton(window, "DeleteLayer");
        QCOMPARE(fBoxes->Last(), QString("Do you want to delete soil layer in row 3"));
        QCOMPARE(D().RowCount(), 5);
        QCOMPARE(window->LayerGrid()->rowCount(), 7);
        QCOMPARE(LayerValue(3, LayerColumn::Depth), 30.0L);
        QVERIFY(!Form().GetDataChanged());

        // Yes: layers 4 and 5 move up with their data.
        Project().LayerProperties(3)->SetFloatValue(SandColumn::UnitWeight, TopRow, 118);
        fBoxes->answers.enqueue(QMessageBox::Yes);
        ClickButton(window, "DeleteLayer");
        QCOMPARE(fBoxes->messages.size(), 2);
        QCOMPARE(D().RowCount(), 4);
        QCOMPARE(LayerValue(3, LayerColumn::Depth), 40.0L);
        QCOMPARE(LayerValue(3, LayerColumn::MaxSideFriction), 400.0L);
        QCOMPARE(Property(3, SandColumn::UnitWeight, TopRow), 118.0L);
        QCOMPARE(LayerValue(4, LayerColumn::Depth), 50.0L);
        QCOMPARE(LayerField(window, 3, TDlgSoilLayers::DepthColumn)->text(), QString("40"));
        QCOMPARE(Child<QPushButton>(window, "EditLayer_4")->text(), QString("Edit Layer 4"));
        QVERIFY(window->findChild<QPushButton*>("EditLayer_5") == nullptr);
        QVERIFY(Form().GetDataChanged());
    }

    void insertingInAnLrfdProjectMovesTheLayersDown_data()
    {
        QTest::addColumn<int>("secondKind");
        QTest::newRow("clay at row 2") << int(KindClay);
        QTest::newRow("sand at row 2") << int(KindSand);
    }
    void insertingInAnLrfdProjectMovesTheLayersDown()
    {
        QFETCH(int, secondKind);
        Form().Command("MethodLRFD")->trigger();
        TDlgSoilLayers* window = OpenLayers();
        ClickButton(window, "AddLayer");
        ClickButton(window, "AddLayer");
        if (secondKind != KindSand)
            ChooseKind(window, 2, secondKind);
        ChooseKind(window, 3, KindStrongRock);
        QCOMPARE(Kind(2), secondKind);
        for (int layer = 1; layer <= 3; ++layer) {
            Type(LayerField(window, layer, TDlgSoilLayers::DepthColumn),
                 QString::number(10 * layer));
            Type(LayerField(window, layer, TDlgSoilLayers::SideLimitColumn),
                 QString::number(layer));
            Type(LayerField(window, layer, TDlgSoilLayers::EndLimitColumn), "5");
            Type(LayerField(window, layer, TDlgSoilLayers::SideFactorColumn), "0.55");
            Type(LayerField(window, layer, TDlgSoilLayers::EndFactorColumn), "0.45");
        }
        // Property values of layer 2 typed in its editor: unit weight 121 / 122.
        EditLayer(window, 2, [&](TDlgSoils* editor) {
            TypeBoth(editor, 0, "121", "122");
            if (secondKind == KindSand)
                TypeBoth(editor, SandColumn::Ko, "0.8", "0.9");
            ClickButton(editor, "Close");
        });
        // Layer 2 touched, then Insert.
        QTest::mouseClick(LayerField(window, 2, TDlgSoilLayers::EndLimitColumn), Qt::LeftButton);
        ClickButton(window, "InsertLayer");
        QCOMPARE(D().RowCount(), 4);
        QCOMPARE(window->LayerGrid()->rowCount(), 6);
        QCOMPARE(Kind(2), KindSand);
        QCOMPARE(LayerValue(2, LayerColumn::Depth), 0.0L);
        QCOMPARE(LayerValue(2, LayerColumn::MaxSideFriction), 0.0L);
        QCOMPARE(LayerValue(2, LayerColumn::MaxEndBearing), 0.0L);
        QCOMPARE(LayerValue(2, LayerColumn::PhiSide), 1.0L);
        QCOMPARE(LayerValue(2, LayerColumn::PhiBase), 1.0L);
        if (secondKind == KindSand) {
            // The new sand layer starts from the moved sand layer's values.
            QCOMPARE(Property(2, SandColumn::UnitWeight, TopRow), 121.0L);
            QCOMPARE(Property(2, SandColumn::Ko, BottomRow), 0.9L);
        } else {
            for (int column = 0; column < 8; ++column)
                if (column != SandColumn::Method)
                    QCOMPARE(Property(2, column, TopRow), 0.0L);
        }
        // The former layers 2 and 3, complete, are layers 3 and 4.
        QCOMPARE(Kind(3), secondKind);
        QCOMPARE(Kind(4), int(KindStrongRock));
        for (int layer = 3; layer <= 4; ++layer) {
            QCOMPARE(LayerValue(layer, LayerColumn::Depth), 10.0L * (layer - 1));
            QCOMPARE(LayerValue(layer, LayerColumn::MaxSideFriction), layer - 1.0L);
            QCOMPARE(LayerValue(layer, LayerColumn::PhiSide), 0.55L);
            QCOMPARE(LayerValue(layer, LayerColumn::PhiBase), 0.45L);
        }
        QCOMPARE(Property(3, 0, TopRow), 121.0L);
        QCOMPARE(Property(3, 0, BottomRow), 122.0L);
        // The grid shows the same.
        QCOMPARE(LayerField(window, 3, TDlgSoilLayers::DepthColumn)->text(), QString("20"));
        QCOMPARE(LayerField(window, 2, TDlgSoilLayers::SideFactorColumn)->text(), QString("1"));
        QCOMPARE(qobject_cast<QComboBox*>(RowControl(window, 3, 1))->currentIndex(),
                 secondKind - 1);
        QCOMPARE(window->FocusRow, 3);
    }

    // --- Kind changes -------------------------------------------------------------------------

    void sandToClayKeepsUnitWeightAndBlowCounts()
    {
        TDlgSoilLayers* window = OpenLayers();
        EditLayer(window, 1, [&](TDlgSoils* editor) {
            QCOMPARE(editor->windowTitle(), QString("Data for Layer 1"));
            TypeBoth(editor, SandColumn::UnitWeight, "120", "120");
            TypeBoth(editor, SandColumn::BlowCounts, "20", "20");
            // Ko procedure (the new layer's) without Ko: the message, the editor stays open.
            QVERIFY(Child<QRadioButton>(editor, "KoMethod")->isChecked());
            ClickButton(editor, "Close");
            QTRY_VERIFY(fBoxes->Last().startsWith("Coefficient"));
            QCOMPARE(fBoxes->Last(),
                     QString("Coefficient of Lateral Earth Pressure, Ko,\nshould be "
                             "greater than zero while using Ko Method\nPlease "
                             "Check!"));
            QVERIFY(editor->isVisible());
            QCOMPARE(Property(1, SandColumn::UnitWeight, TopRow), 0.0L);
            Type(Bottom(editor, SandColumn::Ko), "0.5");
            ClickButton(editor, "Close");
            QVERIFY(!editor->isVisible());
        });
        QCOMPARE(Property(1, SandColumn::UnitWeight, TopRow), 120.0L);
        QCOMPARE(Property(1, SandColumn::BlowCounts, BottomRow), 20.0L);
        QCOMPARE(Property(1, SandColumn::Ko, BottomRow), 0.5L);

        ChooseKind(window, 1, KindClay);
        QCOMPARE(Kind(1), int(KindClay));
        QCOMPARE(window->LayerGrid()->item(2, 1)->text(), QString("2"));
        for (int row : {TopRow, BottomRow}) {
            QCOMPARE(Property(1, ClayColumn::UnitWeight, row), 120.0L);
            QCOMPARE(Property(1, ClayColumn::BlowCounts, row), 20.0L);
            QCOMPARE(Property(1, ClayColumn::Cohesion, row), 0.0L);
            QCOMPARE(Property(1, ClayColumn::Alpha, row), 0.0L);
            QCOMPARE(Property(1, ClayColumn::Nc, row), 0.0L);
        }
        // The editor shows the clay page with them.
        EditLayer(window, 1, [&](TDlgSoils* editor) {
            QCOMPARE(editor->Pages()->currentWidget()->objectName(), QString("Clay"));
            QCOMPARE(Child<QLabel>(editor->Pages()->currentWidget(), "Heading")->text(),
                     QString("Clay (FHWA Spec.)"));
            QCOMPARE(Top(editor, ClayColumn::UnitWeight)->text(), QString("120"));
            QCOMPARE(Top(editor, ClayColumn::UnitWeight)->EditLabel()->text(),
                     QString("1. Total Unit Weight (lbs/ft^3)"));
            QCOMPARE(Bottom(editor, ClayColumn::BlowCounts)->text(), QString("20"));
            ClickButton(editor, "Close");
        });
    }

    void clayToSandLeavesNoMethodAndTheEditorStoresMethodThree()
    {
        TDlgSoilLayers* window = OpenLayers();
        ChooseKind(window, 1, KindClay);
        ChooseKind(window, 1, KindSand);
        QCOMPARE(Property(1, SandColumn::Method, TopRow), 0.0L);
        QCOMPARE(Property(1, SandColumn::Method, BottomRow), 0.0L);
        EditLayer(window, 1, [&](TDlgSoils* editor) {
            for (const char* name : {"KoMethod", "BetaMethod", "ChenKulhawyMethod"})
                QVERIFY2(!Child<QRadioButton>(editor, name)->isChecked(), name);
            // No procedure: Ko, beta, m and interface angle are all closed.
            for (int column :
                 {SandColumn::Ko, SandColumn::Beta, SandColumn::OCR, SandColumn::InterfaceAngle})
                QVERIFY(!Top(editor, column)->isEnabled());
            ClickButton(editor, "Close");
        });
        QCOMPARE(Property(1, SandColumn::Method, TopRow), 3.0L);
        QCOMPARE(Property(1, SandColumn::Method, BottomRow), 3.0L);
    }

    void strongRockToKindSevenKeepsAllFourteenValues()
    {
        TDlgSoilLayers* window = OpenLayers();
        ChooseKind(window, 1, KindStrongRock);
        EditLayer(window, 1, [&](TDlgSoils* editor) {
            QCOMPARE(Child<QLabel>(editor->Pages()->currentWidget(), "Heading")->text(),
                     QString("Strong Rock (FHWA Spec. - use either side friction or end bearing)"));
            for (int column = 0; column < 7; ++column)
                TypeBoth(editor, column, QString::number(column + 1),
                         QString::number(10 * (column + 1)));
            ClickButton(editor, "Close");
        });
        ChooseKind(window, 1, KindStrongRockBoth);
        QCOMPARE(Kind(1), int(KindStrongRockBoth));
        for (int column = 0; column < 7; ++column) {
            QCOMPARE(Property(1, column, TopRow), column + 1.0L);
            QCOMPARE(Property(1, column, BottomRow), 10.0L * (column + 1));
        }
    }

    // --- The layer editor ---------------------------------------------------------------------

    void betaProcedureZeroesKoAndTheInterfaceAngle()
    {
        TGridTable& sand = *Project().LayerProperties(0);
        for (int row : {TopRow, BottomRow}) {
            sand.SetFloatValue(SandColumn::Ko, row, 0.8L);
            sand.SetFloatValue(SandColumn::InterfaceAngle, row, 30);
            sand.SetFloatValue(SandColumn::OCR, row, 0.6L);
            sand.SetFloatValue(SandColumn::FrictionAngle, row, 34);
        }
        TDlgSoilLayers* window = OpenLayers();
        EditLayer(window, 1, [&](TDlgSoils* editor) {
            auto note = [&](const char* start) {
                for (QLabel* label : editor->Pages()->currentWidget()->findChildren<QLabel*>())
                    if (label->text().startsWith(start))
                        return label;
                qFatal("no note %s", start);
            };
            QVERIFY(Top(editor, SandColumn::Ko)->isEnabled());
            QVERIFY(!Top(editor, SandColumn::Beta)->isEnabled());
            QVERIFY(!note("(*)")->isVisible());
            ClickRadio(Child<QRadioButton>(editor, "BetaMethod"));
            // The enabling rule follows the click.
            QVERIFY(!Top(editor, SandColumn::Ko)->isEnabled());
            QVERIFY(!Bottom(editor, SandColumn::InterfaceAngle)->isEnabled());
            QVERIFY(!Top(editor, SandColumn::OCR)->isEnabled());
            QVERIFY(Top(editor, SandColumn::Beta)->isEnabled());
            QVERIFY(note("(*)")->isVisible());
            QVERIFY(note("(***)  Program will ignore")->isVisible());
            QVERIFY(!note("(***)  Program will estimate")->isVisible());
            QVERIFY(!note("(**)")->isVisible());
            ClickRadio(Child<QRadioButton>(editor, "ChenKulhawyMethod"));
            QVERIFY(Top(editor, SandColumn::OCR)->isEnabled());
            QVERIFY(Top(editor, SandColumn::InterfaceAngle)->isEnabled());
            QVERIFY(note("(**)")->isVisible());
            QVERIFY(note("(***)  Program will estimate")->isVisible());
            ClickRadio(Child<QRadioButton>(editor, "BetaMethod"));
            Type(Top(editor, SandColumn::Beta), "0.7");
            ClickButton(editor, "Close");
        });
        for (int row : {TopRow, BottomRow}) {
            QCOMPARE(Property(1, SandColumn::Method, row), 2.0L);
            QCOMPARE(Property(1, SandColumn::Ko, row), 0.0L);
            QCOMPARE(Property(1, SandColumn::InterfaceAngle, row), 0.0L);
            QCOMPARE(Property(1, SandColumn::OCR, row), 0.0L);
            QCOMPARE(Property(1, SandColumn::FrictionAngle, row), 34.0L);
        }
        QCOMPARE(Property(1, SandColumn::Beta, TopRow), 0.7L);
    }

    void blowCountsAreRoundedAndTopIsCopiedToBottom()
    {
        TDlgSoilLayers* window = OpenLayers();
        ChooseKind(window, 1, KindWeakRock);
        EditLayer(window, 1, [&](TDlgSoils* editor) {
            QCOMPARE(editor->Pages()->currentWidget()->objectName(), QString("WeakRock"));
            // A layer that was sand with the Ko procedure carries index 1.
            auto* top = Child<QComboBox>(editor, "InterfaceTop");
            auto* bottom = Child<QComboBox>(editor, "InterfaceBottom");
            QCOMPARE(top->currentText(), QString("1"));
            QTest::mouseClick(top, Qt::LeftButton);
            QTRY_VERIFY(top->view()->isVisible());
            QTest::keyClick(top->view(), Qt::Key_Down);
            QTest::keyClick(top->view(), Qt::Key_Down);
            QTest::keyClick(top->view(), Qt::Key_Return);
            QCOMPARE(top->currentText(), QString("3"));
            Type(Top(editor, WeakRockColumn::CompressiveStrength), "144000");
            Type(Top(editor, WeakRockColumn::ConcreteSlump), "7");
            QCOMPARE(Top(editor, WeakRockColumn::ConcreteSlump)->EditLabel()->text(),
                     QString("3. Concrete Slump (in)"));
            ClickButton(editor, "CopyTopToBottom");
            QCOMPARE(bottom->currentText(), QString("3"));
            QCOMPARE(Bottom(editor, WeakRockColumn::CompressiveStrength)->text(),
                     QString("144000"));
            ClickButton(editor, "Close");
        });
        QCOMPARE(Property(1, WeakRockColumn::InterfaceCondition, BottomRow), 3.0L);
        QCOMPARE(Property(1, WeakRockColumn::CompressiveStrength, BottomRow), 144000.0L);
        QCOMPARE(Property(1, WeakRockColumn::ConcreteSlump, BottomRow), 7.0L);

        ChooseKind(window, 1, KindGravel);
        EditLayer(window, 1, [&](TDlgSoils* editor) {
            QCOMPARE(Child<QLabel>(editor->Pages()->currentWidget(), "Heading")->text(),
                     QString("Gravel (Rollins et al)"));
            // Halves go to the even neighbour.
            TypeBoth(editor, GravelColumn::BlowCounts, "20.5", "21.5");
            ClickButton(editor, "Close");
        });
        QCOMPARE(Property(1, GravelColumn::BlowCounts, TopRow), 20.0L);
        QCOMPARE(Property(1, GravelColumn::BlowCounts, BottomRow), 22.0L);
    }

    void editorRefusesTextThatIsNotANumber()
    {
        TDlgSoilLayers* window = OpenLayers();
        ChooseKind(window, 1, KindDecomposedRock);
        EditLayer(window, 1, [&](TDlgSoils* editor) {
            QCOMPARE(Top(editor, DecomposedRockColumn::YoungsModulus)->EditLabel()->text(),
                     QString("6. Young Modulus (optional) (lbs/in^2)"));
            Type(Top(editor, DecomposedRockColumn::UnitWeight), "125");
            Type(Top(editor, DecomposedRockColumn::SocketDiameter), "4ft", false);
            ClickButton(editor, "Close");
            QTRY_COMPARE(fBoxes->Last(), QString("Entry could not be evaluated:\ninvalid "
                                                 "character(s) in expression"));
            QVERIFY(editor->isVisible());
            QCOMPARE(Property(1, DecomposedRockColumn::UnitWeight, TopRow), 0.0L);
            QTRY_COMPARE(editor->focusWidget(),
                         static_cast<QWidget*>(Top(editor, DecomposedRockColumn::SocketDiameter)));
            Type(Top(editor, DecomposedRockColumn::SocketDiameter), "4");
            ClickButton(editor, "Close");
        });
        QCOMPARE(Property(1, DecomposedRockColumn::UnitWeight, TopRow), 125.0L);
        QCOMPARE(Property(1, DecomposedRockColumn::SocketDiameter, TopRow), 4.0L);
    }

    void siProjectShowsSiUnitsInTheEditor()
    {
        Form().Command("UnitsSI")->trigger();
        TDlgSoilLayers* window = OpenLayers();
        ChooseKind(window, 1, KindStrongRockBoth);
        EditLayer(window, 1, [&](TDlgSoils* editor) {
            QCOMPARE(Top(editor, StrongRockColumn::CompressiveStrength)->EditLabel()->text(),
                     QString("1. Rock Compressive Strength (kN/m^2)"));
            QCOMPARE(Top(editor, StrongRockColumn::DiscontinuitySpacing)->EditLabel()->text(),
                     QString("3. Discontinuity Spacing (m)"));
            ClickButton(editor, "Close");
        });
    }

    // --- A project from File > New to its results ---------------------------------------------

    void newProjectTypedThroughTheWindowsRunsAndEchoesTheLayers()
    {
        QTest::keyClick(&Form(), Qt::Key_N, Qt::ControlModifier);
        TDlgSoilLayers* window = OpenLayers();
        ClickButton(window, "AddLayer");
        ClickButton(window, "AddLayer");
        ChooseKind(window, 1, KindClay);
        ChooseKind(window, 3, KindStrongRockBoth);
        const char* bottoms[] = {"12", "26", "70"};
        for (int layer = 1; layer <= 3; ++layer)
            Type(LayerField(window, layer, TDlgSoilLayers::DepthColumn), bottoms[layer - 1]);

        EditLayer(window, 1, [&](TDlgSoils* editor) {
            TypeBoth(editor, ClayColumn::UnitWeight, "118", "118");
            TypeBoth(editor, ClayColumn::Cohesion, "1800", "2300");
            ClickButton(editor, "Close");
        });
        EditLayer(window, 2, [&](TDlgSoils* editor) {
            ClickRadio(Child<QRadioButton>(editor, "BetaMethod"));
            TypeBoth(editor, SandColumn::UnitWeight, "122", "0");
            ClickButton(editor, "CopyTopToBottom");
            TypeBoth(editor, SandColumn::FrictionAngle, "33", "36");
            TypeBoth(editor, SandColumn::BlowCounts, "18", "27");
            ClickButton(editor, "Close");
        });
        EditLayer(window, 3, [&](TDlgSoils* editor) {
            TypeBoth(editor, StrongRockColumn::CompressiveStrength, "72000", "72000");
            TypeBoth(editor, StrongRockColumn::ConcreteStrength, "576000", "576000");
            TypeBoth(editor, StrongRockColumn::DiscontinuitySpacing, "2", "2");
            TypeBoth(editor, StrongRockColumn::DiscontinuityThickness, "0.01", "0.01");
            TypeBoth(editor, StrongRockColumn::SocketDiameter, "4", "4");
            TypeBoth(editor, StrongRockColumn::ElasticModulus, "500000", "500000");
            TypeBoth(editor, StrongRockColumn::RQD, "70", "80");
            ClickButton(editor, "Close");
        });
        QWidget* shaft = Open("DataShaft");
        Type(Child<TDataEdit>(shaft, "DSTART"), "4");
        Type(Child<TDataEdit>(shaft, "DIALIM"), "4");
        Type(Child<TDataEdit>(shaft, "EPILE"), "4000000");
        Type(Child<TDataEdit>(Open("DataWater"), "WTD"), "15");
        Type(Child<TDataEdit>(Open("SpecifyLength"), "PD"), "40");

        const QString path = QDir(fWork->path()).filePath("ThreeLayers.kv8d");
        fPrompt->saveFileNames.enqueue(path);
        // Run Analysis from the tool bar: the active window stores its value first.
        auto* bar = Form().findChild<QToolBar*>("ToolBar");
        QTest::mouseClick(bar->widgetForAction(Form().Command("SpeedRun")), Qt::LeftButton);
        QTRY_VERIFY(Form().ShowOutput);
        QCOMPARE(Form().Run().LastStatus(), 0);
        QCOMPARE(Project().PD, 40.0L);
        QVERIFY2(fPrompt->errors.isEmpty(), qPrintable(fPrompt->errors.join("|")));

        QFile report(QDir(fWork->path()).filePath("ThreeLayers.kv8o"));
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(report.readAll());
        QVERIFY(text.contains("NUMBER OF LAYERS =    3"));
        QVERIFY(text.contains("LAYER NO  1----CLAY"));
        QVERIFY(text.contains("LAYER NO  2----SAND"));
        QVERIFY(text.contains("SIDE FRICTION PROCEDURE, BETA METHOD"));
        for (const char* echoed : {"UNDRAINED SHEAR STRENGTH, LB/SQ FT                = 0.180E+04",
                                   "UNDRAINED SHEAR STRENGTH, LB/SQ FT                = 0.230E+04",
                                   "SOIL UNIT WEIGHT, LB/CU FT                        = 0.118E+03",
                                   "INTERNAL FRICTION ANGLE, DEG.                     = 0.330E+02",
                                   "INTERNAL FRICTION ANGLE, DEG.                     = 0.360E+02",
                                   "DEPTH, FT                                         = 0.120E+02",
                                   "DEPTH, FT                                         = 0.260E+02"})
            QVERIFY2(text.contains(echoed), echoed);
        QVERIFY(text.contains("LAYER NO  3"));
        QVERIFY(text.contains("0.720E+05"));
        QVERIFY(text.contains("0.122E+03"));

        // The capacity plot is filled.
        const TGraphPlot& capacity = Form().Graphs().pltTotal;
        QVERIFY(capacity.LineCount() >= 1);
        QVERIFY2(
            capacity.Count() > 10,
            qPrintable(
                QString("%1 lines, %2 points").arg(capacity.LineCount()).arg(capacity.Count())));
        QVERIFY(capacity.LayerLineCount() >= 3);
    }
};

QTEST_MAIN(SoilLayersTest)
#include "SoilLayersTest.moc"
