// Renders every data window of the shaft and analysis options, the grid window and the t-z
// printing window to PNG files under <build>/snapshots/data-windows/, in English and in SI
// units, for looking at the pictures: labels readable, units shown, nothing clipped.
#include "ScriptedPrompt.h"
#include "gui/controls/TableForm.h"
#include "gui/dialogs/TZPrint.h"
#include "gui/main/Main.h"
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
