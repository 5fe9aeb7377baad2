// Renders every data window of the shaft and analysis options, the soil layers window (ASD and
// LRFD), every page of the layer editor, the grid window and the t-z printing window to PNG
// files under <build>/snapshots/data-windows/, in English and in SI units, for looking at the
// pictures: labels readable, units shown, nothing clipped.
#include "ScriptedPrompt.h"
#include "gui/controls/TableForm.h"
#include "gui/dialogs/Soils.h"
#include "gui/dialogs/TZPrint.h"
#include "gui/main/Main.h"
#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

using namespace korva::gui;

class DataWindowSnapshotsTest : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir fSettingsHome;

    static QString Folder() { return QString(KORVA_BUILD_DIR) + "/snapshots/data-windows"; }

    static void Save(QWidget& widget, const QString& name)
    {
        QTest::qWait(20);
        QVERIFY2(widget.grab().save(Folder() + "/" + name + ".png"), qPrintable(name));
    }

    void Snapshot(int units)
    {
        const QString system = units == 2 ? "si" : "english";
        TMainForm form(std::make_unique<ScriptedPrompt>());
        form.resize(1280, 900);
        form.show();
        form.Project().ChangeUnits(units);
        // Every field filled, so that the widest texts show.
        TProgramData& p = form.Project();
        p.DSTART = 3;
        p.DIALIM = 6;
        p.EPILE = 4000000;
        p.NPOINTPD = 5;

        static const std::pair<const char*, const char*> commands[] = {
            {"DataTitle", "title"},
            {"DataShaft", "shaft_properties"},
            {"DataSafety", "factor_of_safety"},
            {"DataWater", "water_table"},
            {"SpecifyLength", "shaft_length"},
            {"SpecifyLoad", "design_load"},
            {"DataMultipleLengths", "multiple_lengths"},
            {"DataDesignCharts", "design_charts"},
            {"DataOptions", "control_options"},
        };
        for (const auto& [command, name] : commands) {
            form.UpdateDataMenu();
            form.Command(command)->setEnabled(true);
            form.Command(command)->trigger();
            QMdiSubWindow* window = form.MdiArea()->activeSubWindow();
            QVERIFY2(window != nullptr, command);
            Save(*window, system + "_" + name);
            form.CloseChildWindows();
        }

        SoilLayerSnapshots(form, system);

        TfrmTZPrint tz(p, &form);
        tz.show();
        Save(tz, system + "_tz_printing");

        p.TblTZDepth().SetRowCount(3);
        p.TblTZDepth().SetFloatValue(0, 1, 12.5L);
        TTableForm depths(p.TblTZDepth(), true, &form);
        depths.show();
        Save(depths, system + "_tz_depth_table");

        // A grid window with drop-down lists and sub-table buttons, and a two-row property
        // table with two heading lines.
        p.D().SetRowCount(3);
        p.D().SetIntValue(0, 1, 2);
        TTableForm layers(p.D(), true, &form);
        layers.show();
        Save(layers, system + "_layer_table");
        TTableForm properties(*p.LayerProperties(1), true, &form);
        properties.show();
        Save(properties, system + "_clay_properties");
        p.SetDataChanged(false);
    }

    // The soil layers window with a layer of three kinds, in an ASD and in an LRFD project,
    // and the layer editor on a layer of every kind.
    void SoilLayerSnapshots(TMainForm& form, const QString& system)
    {
        TProgramData& p = form.Project();
        TGridTable& d = p.D();
        d.SetRowCount(3);
        const int kinds[] = {KindClay, KindSand, KindStrongRockBoth};
        for (int row = 0; row < 3; ++row) {
            d.SetIntValue(LayerColumn::Kind, row, kinds[row]);
            d.SetFloatValue(LayerColumn::Depth, row, 12.5L * (row + 1));
            d.SetFloatValue(LayerColumn::MaxSideFriction, row, 4000);
            d.SetFloatValue(LayerColumn::MaxEndBearing, row, 120000);
            d.SetFloatValue(LayerColumn::PhiSide, row, 0.55L);
        }
        for (int method : {2, 1}) {
            p.NLRFD = method;
            form.UpdateDataMenu();
            form.Command("DataSoilLayers")->trigger();
            QMdiSubWindow* window = form.MdiArea()->activeSubWindow();
            QVERIFY(window != nullptr);
            Save(*window, system + (method == 1 ? "_soil_layers_lrfd" : "_soil_layers_asd"));
            form.CloseChildWindows();
        }

        static const char* names[] = {"sand",
                                      "clay",
                                      "shale",
                                      "strong_rock_either",
                                      "decomposed_rock",
                                      "weak_rock",
                                      "strong_rock_both",
                                      "gravelly_sand",
                                      "gravel"};
        for (int kind = 1; kind <= MaterialKindCount; ++kind) {
            d.SetIntValue(LayerColumn::Kind, 0, kind);
            TGridTable& properties = *p.LayerProperties(0);
            // Wide numbers in every field; the sand page with the Ko procedure.
            for (int column = 0; column < properties.ColumnCount(); ++column)
                if (properties.Column(column).Type() == TColumnType::Float)
                    for (int row : {TopRow, BottomRow})
                        properties.SetFloatValue(column, row, 1234567.8L);
            if (kind == KindWeakRock)
                properties.SetIntValue(WeakRockColumn::InterfaceCondition, TopRow, 2);
            TDlgSoils editor(p, &form);
            editor.LayerNumber = 1;
            editor.LayerType = kind;
            editor.show();
            Save(editor, system + "_layer_editor_" + QString::number(kind) + "_" + names[kind - 1]);
            editor.hide();
        }
        // The sand page with the beta procedure: other fields enabled, other notes.
        d.SetIntValue(LayerColumn::Kind, 0, KindSand);
        for (int row : {TopRow, BottomRow})
            p.LayerProperties(0)->SetIntValue(SandColumn::Method, row, SandBetaMethod);
        TDlgSoils beta(p, &form);
        beta.LayerType = KindSand;
        beta.show();
        Save(beta, system + "_layer_editor_1_sand_beta");
        beta.hide();
        d.SetRowCount(1);
        d.SetIntValue(LayerColumn::Kind, 0, KindSand);
    }

  private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", fSettingsHome.path().toUtf8());
        QDir(Folder()).removeRecursively();
        QVERIFY(QDir().mkpath(Folder()));
    }
    void english() { Snapshot(1); }
    void si() { Snapshot(2); }
};

QTEST_MAIN(DataWindowSnapshotsTest)
#include "DataWindowSnapshotsTest.moc"
