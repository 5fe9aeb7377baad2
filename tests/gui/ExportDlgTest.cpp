// The export window as a user meets it: opened from the Graphics menu after a run, entries
// checked and unchecked with the mouse, the workbook written and read back.
#include "gui/dialogs/ExportDlg.h"
#include "../results/WorkbookReader.h"
#include "ExampleRun.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace korva::gui;
using workbook_test::Count;
using workbook_test::TWorkbookReader;

class ExportDlgTest : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir fSettingsHome;
    QStringList fOpened;

    // Clicks the check box of list entry `row`, where a user would.
    static void ClickCheck(QListWidget* list, int row)
    {
        QListWidgetItem* item = list->item(row);
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.rect = list->visualItemRect(item);
        option.features = QStyleOptionViewItem::HasCheckIndicator;
        const QRect box =
            list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
    }

    static QStringList Checked(QListWidget* list)
    {
        QStringList captions;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->checkState() == Qt::Checked)
                captions << list->item(i)->text();
        return captions;
    }

    // Opens Graphics > "Export Plots to Excel" and runs `drive` on the modal window.
    static void WithExportWindow(TMainForm& form, const std::function<void(TDlgExport&)>& drive)
    {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TDlgExport*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            drive(*dialog);
            driven = true;
            QTest::mouseClick(dialog->CloseButton(), Qt::LeftButton);
        });
        form.UpdateGraphicsMenu();
        QAction* item = form.Command("ExportExcel");
        QVERIFY(item->isEnabled());
        item->trigger();
        QVERIFY(driven);
    }

    // The desktop's application is not started; the documents it would open are recorded.
    void RecordOpenedDocuments(TMainForm& form)
    {
        fOpened.clear();
        form.SetDocumentOpener([this](const QString& path) {
            fOpened << path;
            return true;
        });
    }

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", fSettingsHome.path().toUtf8()); }

    void exportsTheCheckedGraphsInListOrder()
    {
        TExampleRun run("Example");
        QVERIFY(run.Ran());
        RecordOpenedDocuments(*run.form);
        const QString path = run.File("chosen.xlsx");
        run.answers->saveFileNames.enqueue(path);
        QStringList offered;
        WithExportWindow(*run.form, [&](TDlgExport& dialog) {
            QListWidget* list = dialog.CheckListBoxPlots();
            for (int i = 0; i < list->count(); ++i)
                offered << list->item(i)->text();
            QCOMPARE(Checked(list), offered);
            QVERIFY(dialog.GenerateButton()->isEnabled());
            const QString snapshots = QString(KORVA_BUILD_DIR) + "/snapshots";
            QVERIFY(QDir().mkpath(snapshots));
            QVERIFY(dialog.grab().save(snapshots + "/export_window.png"));
            // Only the second and the fifth offered graphs, without markers.
            QTest::mouseClick(dialog.UnselectAllButton(), Qt::LeftButton);
            QVERIFY(!dialog.GenerateButton()->isEnabled());
            ClickCheck(list, 1);
            QVERIFY(dialog.GenerateButton()->isEnabled());
            ClickCheck(list, 4);
            QCOMPARE(Checked(list), (QStringList{offered[1], offered[4]}));
            QTest::mouseClick(dialog.AddMarkers(), Qt::LeftButton);
            QVERIFY(!dialog.AddMarkers()->isChecked());
            QTest::mouseClick(dialog.GenerateButton(), Qt::LeftButton);
            QVERIFY(dialog.isVisible()); // the window stays open after an export
        });
        // The Example project (ASD, one diameter, t-z curves) offers the 16 graphs other than
        // the additional t-z curves and the design charts.
        QCOMPARE(offered.size(), 15);
        QCOMPARE(offered[0], QString("Ultimate Skin Friction vs Depth"));
        QCOMPARE(offered[6], QString("Combined Plots vs Depth (ultimate)"));
        QCOMPARE(run.answers->saveSuggestions, QStringList{"Example.xlsx"});

        TWorkbookReader book(path.toStdString());
        QCOMPARE(book.SheetNames(),
                 (std::vector<std::string>{"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"}));
        QCOMPARE(QString::fromStdString(book.Cell("Legend", "C3")->Text), offered[1]);
        QCOMPARE(QString::fromStdString(book.Cell("Legend", "C4")->Text), offered[4]);
        QVERIFY(!book.Cell("Legend", "C5"));
        // Data of the tip resistance graph: its curve as numbers from row 6.
        QCOMPARE(book.Cell("Page_1", "A1")->Text, std::string("Ultimate Tip Resistance vs Depth"));
        QVERIFY(book.Cell("Page_1", "A6")->Number);
        for (const char* chart : {"Plot_1", "Plot_2"})
            QCOMPARE(Count(book.Chart(chart), "<c:symbol val=\"none\"/>"),
                     Count(book.Chart(chart), "<c:ser>"));
        QCOMPARE(fOpened, QStringList{path});
        QCOMPARE(run.answers->informations.last(),
                 QString("Export to Excel Completed\nPlease note that you need to save the excel "
                         "file\nWorkbook: ") +
                     path);

        // Opened again: the list is fully checked anew, the markers choice is kept.
        run.answers->saveFileNames.enqueue(QString()); // the save dialog cancelled
        WithExportWindow(*run.form, [&](TDlgExport& dialog) {
            QCOMPARE(Checked(dialog.CheckListBoxPlots()), offered);
            QVERIFY(!dialog.AddMarkers()->isChecked());
            QTest::mouseClick(dialog.GenerateButton(), Qt::LeftButton);
        });
        QCOMPARE(fOpened.size(), 1);
    }

    void failedWriteIsReportedWithTheFileName()
    {
        TExampleRun run("Example");
        QVERIFY(run.Ran());
        RecordOpenedDocuments(*run.form);
        const QString path = run.File("no such folder/out.xlsx");
        run.answers->saveFileNames.enqueue(path);
        WithExportWindow(*run.form, [&](TDlgExport& dialog) {
            QTest::mouseClick(dialog.GenerateButton(), Qt::LeftButton);
        });
        QVERIFY(run.answers->warnings.size() == 1);
        QVERIFY2(run.answers->warnings.first().contains(path),
                 qPrintable(run.answers->warnings.first()));
        QVERIFY(fOpened.isEmpty());
        QVERIFY(!run.answers->informations.last().startsWith("Export to Excel Completed"));
    }
};

QTEST_MAIN(ExportDlgTest)
#include "ExportDlgTest.moc"
