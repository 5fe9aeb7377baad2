// korvawin --export-xlsx / --export-pdf / --help, run as a script runs them: the built program
// in a process of its own, without a display.
#include "../results/WorkbookReader.h"
#include "ExampleRun.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QtTest>

using namespace korva::gui;

namespace {

struct TProgramRun
{
    int Status = -1;
    QString Out;
    QString Err;
};

TProgramRun Korvawin(const QStringList& arguments, const QString& folder = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display and no platform named: the program must choose one that needs none.
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(QString(KORVA_BUILD_DIR) + "/bin/korvawin", arguments);
    TProgramRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = QString::fromUtf8(process.readAllStandardOutput());
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class CommandLineExportTest : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir fSettingsHome;

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", fSettingsHome.path().toUtf8()); }

    void helpListsTheExportCommands()
    {
        const TProgramRun run = Korvawin({"--help"});
        QCOMPARE(run.Status, 0);
        QVERIFY(run.Out.contains("korvawin --export-xlsx OUT.xlsx PROJECT.kv8d"));
        QVERIFY(run.Out.contains("korvawin --export-pdf OUT.pdf PROJECT.kv8d"));
        const TProgramRun wrong = Korvawin({"--export-xlsx", "only-one-argument"});
        QCOMPARE(wrong.Status, 2);
        QVERIFY(wrong.Err.contains("Usage:"));
        QCOMPARE(Korvawin({"--frobnicate"}).Status, 2);
    }

    void workbookHoldsEveryOfferedGraphWithMarkers()
    {
        // The same project analysed in the desktop program, for the graphs it offers.
        TExampleRun reference("MultipleLengthsSand");
        QVERIFY(reference.Ran());
        const std::vector<TGraphPlot*> offered = reference.form->OfferedExportGraphs();
        QVERIFY(offered.size() > 10);

        QTemporaryDir folder;
        const QString project = folder.filePath("Lengths.kv8d");
        QVERIFY(QFile::copy(QString(KORVA_EXAMPLES) + "/MultipleLengthsSand.kv8d", project));
        // Started in another folder: both names are taken against it.
        QVERIFY(QDir(folder.path()).mkdir("out"));
        const TProgramRun run = Korvawin({"--export-xlsx", "../Lengths.xlsx", "../Lengths.kv8d"},
                                         folder.filePath("out"));
        QVERIFY2(run.Status == 0, qPrintable(run.Err));
        QVERIFY(run.Err.isEmpty());
        // The run wrote the project's result files, as Run Analysis does.
        QVERIFY(QFile::exists(folder.filePath("Lengths.kv8o")));

        workbook_test::TWorkbookReader book(folder.filePath("Lengths.xlsx").toStdString());
        std::vector<std::string> sheets{"Legend"};
        for (std::size_t k = 1; k <= offered.size(); ++k) {
            sheets.push_back("Page_" + std::to_string(k));
            sheets.push_back("Plot_" + std::to_string(k));
        }
        QCOMPARE(book.SheetNames(), sheets);
        for (std::size_t k = 0; k < offered.size(); ++k) {
            const std::string row = std::to_string(k + 3);
            QCOMPARE(book.Cell("Legend", "C" + row)->Text, offered[k]->Caption);
            QCOMPARE(book.Cell("Legend", "F" + row)->Text, std::string("Complete"));
            const std::string chart = book.Chart("Plot_" + std::to_string(k + 1));
            QCOMPARE(workbook_test::Count(chart, "<c:symbol val=\"none\"/>"), std::size_t(0));
        }
    }

    void packageOfTheRun()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QString(KORVA_EXAMPLES) + "/Example.kv8d",
                            folder.filePath("Example.kv8d")));
        const TProgramRun run =
            Korvawin({"--export-pdf", folder.filePath("out.pdf"), folder.filePath("Example.kv8d")});
        QVERIFY2(run.Status == 0, qPrintable(run.Err));
        QProcess info;
        info.start("pdfinfo", {folder.filePath("out.pdf")});
        QVERIFY(info.waitForFinished());
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        // Title, at least two report pages and the 15 plots the project offers.
        const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(text);
        QVERIFY2(pages.hasMatch() && pages.captured(1).toInt() >= 18, qPrintable(text));
        QVERIFY(text.contains("Title:           Example"));
    }

    void failuresGiveAMessageAndNoFile()
    {
        QTemporaryDir folder;
        const QString out = folder.filePath("out.xlsx");
        // A project that does not exist.
        TProgramRun run = Korvawin({"--export-xlsx", out, folder.filePath("missing.kv8d")});
        QCOMPARE(run.Status, 1);
        QVERIFY2(run.Err.contains(folder.filePath("missing.kv8d")), qPrintable(run.Err));
        QVERIFY(!QFile::exists(out));

        // A design load the profile never reaches: the run ends with status 7.
        QVERIFY(QFile::copy(QString(KORVA_TEST_DATA) + "/engine/design_load_not_reached.kv8d",
                            folder.filePath("short.kv8d")));
        run =
            Korvawin({"--export-pdf", folder.filePath("short.pdf"), folder.filePath("short.kv8d")});
        QCOMPARE(run.Status, 1);
        QVERIFY2(run.Err.contains("status 7"), qPrintable(run.Err));
        QVERIFY(!QFile::exists(folder.filePath("short.pdf")));

        // A folder for the document that does not exist.
        QVERIFY(QFile::copy(QString(KORVA_EXAMPLES) + "/Example.kv8d",
                            folder.filePath("Example.kv8d")));
        const QString nowhere = folder.filePath("no such folder/out.xlsx");
        run = Korvawin({"--export-xlsx", nowhere, folder.filePath("Example.kv8d")});
        QCOMPARE(run.Status, 1);
        QVERIFY2(run.Err.contains(nowhere), qPrintable(run.Err));
        // A document named like a file of the project's runs would destroy it.
        run = Korvawin(
            {"--export-pdf", folder.filePath("Example.kv8o"), folder.filePath("Example.kv8d")});
        QCOMPARE(run.Status, 1);
        QVERIFY2(run.Err.contains("another name"), qPrintable(run.Err));
        QFile report(folder.filePath("Example.kv8o")); // the report of the run before
        QVERIFY(report.open(QIODevice::ReadOnly));
        QVERIFY(!report.readAll().startsWith("%PDF"));
        // A project of an older layout is not saved over by a script.
        QVERIFY(QFile::copy(QString(KORVA_TEST_DATA) + "/model/Previous.kvd",
                            folder.filePath("Previous.kvd")));
        run = Korvawin({"--export-pdf", folder.filePath("p.pdf"), folder.filePath("Previous.kvd")});
        QCOMPARE(run.Status, 1);
        QVERIFY(run.Err.contains(".kv8d"));
    }
};

QTEST_MAIN(CommandLineExportTest)
#include "CommandLineExportTest.moc"
