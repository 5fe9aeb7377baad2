// File > "Export Report as PDF..." after a run: the calculation package read back with the
// PDF tools of poppler (pdfinfo, pdftotext, pdfimages).
#include "ExampleRun.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace korva::gui;

namespace {

QString Tool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const QString& pdf)
{
    const QRegularExpressionMatch m =
        QRegularExpression("Pages:\\s+(\\d+)").match(Tool("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Text of one page: as laid out, or (raw) in the order it was drawn.
QString PageText(const QString& pdf, int page, bool raw = false)
{
    const QString p = QString::number(page);
    return Tool("pdftotext", {raw ? "-raw" : "-layout", "-f", p, "-l", p, pdf, "-"});
}

// The non-blank lines of a text, blanks at both ends removed.
QStringList Lines(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split('\n'))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines;
}

// The graphs of the Graphics menu, in its order, with their commands.
QStringList OfferedCaptions(TMainForm& form)
{
    TResultGraphs& g = form.Graphs();
    const std::pair<const char*, TGraphPlot*> menu[] = {
        {"GraphSkin", &g.pltSkin},       {"GraphTip", &g.pltTip},
        {"GraphTotal", &g.pltTotal},     {"GraphCombine", &g.pltCombine},
        {"GraphFSSkin", &g.FSpltSkin},   {"GraphFSTip", &g.FSpltTip},
        {"GraphFSTotal", &g.FSpltTotal}, {"GraphCombineD", &g.pltCombineD},
        {"GraphAxial", &g.pltAxial},     {"GraphUpper", &g.pltUpper},
        {"GraphLower", &g.pltLower},     {"GraphCombinedSettle", &g.pltCombinedSettle},
        {"GraphTz", &g.pltTz},           {"GraphQw", &g.pltQw},
        {"GraphTzAdd", &g.pltTzAdd},     {"GraphLoad", &g.pltLoad},
        {"GraphChart1", &g.PltChart[0]}, {"GraphChart2", &g.PltChart[1]},
        {"GraphChart3", &g.PltChart[2]}, {"GraphChart4", &g.PltChart[3]},
        {"GraphChart5", &g.PltChart[4]}, {"GraphChart6", &g.PltChart[5]},
        {"GraphChart7", &g.PltChart[6]}, {"GraphChart8", &g.PltChart[7]},
        {"GraphChart9", &g.PltChart[8]}, {"GraphChart10", &g.PltChart[9]}};
    form.UpdateGraphicsMenu();
    QStringList captions;
    for (const auto& [name, graph] : menu) {
        QAction* item = form.Command(name);
        if (item->isEnabled() && item->isVisible())
            captions << QString::fromStdString(graph->Caption).trimmed();
    }
    return captions;
}

} // namespace

class CalculationPackageTest : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir fSettingsHome;

    // Exports the package of an analysed example through the File menu.
    static QString Export(TExampleRun& run)
    {
        const QString pdf = run.File("package.pdf");
        run.answers->saveFileNames.enqueue(pdf);
        run.form->UpdateFileMenu();
        QAction* item = run.form->Command("FileExportPdf");
        if (!item->isEnabled())
            return {};
        item->trigger();
        return pdf;
    }

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", fSettingsHome.path().toUtf8()); }

    void titleReportAndOnePagePerOfferedPlot()
    {
        TExampleRun run("Example");
        QVERIFY(run.Ran());
        const QString pdf = Export(run);
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(run.answers->saveSuggestions.last(), QString("Example.pdf"));
        const QStringList plots = OfferedCaptions(*run.form);
        QCOMPARE(plots.size(), 15);

        const int pages = PageCount(pdf);
        QVERIFY(run.answers->informations.last().contains(QString("(%1 pages)").arg(pages)));
        const QString title = PageText(pdf, 1);
        for (const QString& text :
             {QString("Calculation Package"), QString("Example"), run.project,
              QString("Korva 2017.8.10"), QString("English Units (lbs, ft, in)"),
              QString("ASD (Allowable Stress Design)"), QString("Prepared by:"),
              QString("Page 1 of %1").arg(pages)})
            QVERIFY2(title.contains(text), qPrintable(text));

        // The report pages: every report line, in order, under the running header.
        QFile reportFile(run.File("Example.kv8o"));
        QVERIFY(reportFile.open(QIODevice::ReadOnly));
        const QByteArray reportBytes = reportFile.readAll();
        const QStringList report = Lines(QString::fromUtf8(reportBytes));
        QStringList printed;
        const int reportPages = pages - 1 - static_cast<int>(plots.size());
        QVERIFY(reportPages >= 2);
        // Full pages: on average at least 40 report lines (blank ones included) a page.
        QVERIFY(reportBytes.count('\n') / reportPages >= 40);
        for (int page = 2; page <= 1 + reportPages; ++page) {
            // Drawn in this order: the running header, the page number, the report lines.
            QStringList lines = Lines(PageText(pdf, page, true));
            QVERIFY(lines.size() > 2);
            QCOMPARE(lines.takeFirst().simplified(), QString("Example Korva 2017.8.10"));
            QCOMPARE(lines.takeFirst(), QString("Page %1 of %2").arg(page).arg(pages));
            printed << lines;
        }
        for (QString& line : printed)
            line = line.simplified();
        QStringList expected = report;
        for (QString& line : expected)
            line = line.simplified();
        QCOMPARE(printed, expected);

        // Then one page per offered plot, in menu order, with its caption, drawn as vectors.
        for (int i = 0; i < plots.size(); ++i) {
            const int page = 2 + reportPages + i;
            const QStringList lines = Lines(PageText(pdf, page, true));
            QVERIFY(lines.size() > 3);
            QCOMPARE(lines[1], QString("Page %1 of %2").arg(page).arg(pages));
            QCOMPARE(lines[2], plots[i]);
        }
        const QString images = Tool("pdfimages", {"-list", pdf});
        QCOMPARE(Lines(images).size(), 2); // the heading lines only: no picture anywhere
    }

    void siLrfdProjectOnA4WithDesignCharts()
    {
        TExampleRun run("StiffClayLrfdSi");
        QVERIFY(run.Ran());
        const QString pdf = Export(run);
        QVERIFY(QFile::exists(pdf));
        const QString title = PageText(pdf, 1);
        QVERIFY(title.contains("SI Units (kN, m)"));
        QVERIFY(title.contains("LRFD (Load Resistance Factor Design)"));
        const QString info = Tool("pdfinfo", {"-f", "1", "-l", "999", pdf});
        QVERIFY2(info.contains(QRegularExpression("Page +1 size: +595 x 842 pts")),
                 qPrintable(info));
        const int pages = PageCount(pdf);
        // The plot pages lie across the paper.
        QVERIFY(
            info.contains(QRegularExpression(QString("Page +%1 size: +842 x 595 pts").arg(pages))));

        TExampleRun charts("DesignCharts");
        QVERIFY(charts.Ran());
        const QString chartPdf = Export(charts);
        const QStringList plots = OfferedCaptions(*charts.form);
        QVERIFY(plots.last().startsWith("Design Chart ("));
        const int chartPages = PageCount(chartPdf);
        QCOMPARE(Lines(PageText(chartPdf, chartPages, true))[2], plots.last());
    }

    void failedWriteNamesTheFile()
    {
        TExampleRun run("Example");
        QVERIFY(run.Ran());
        const QString pdf = run.File("no such folder/package.pdf");
        run.answers->saveFileNames.enqueue(pdf);
        run.form->UpdateFileMenu();
        run.form->Command("FileExportPdf")->trigger();
        QCOMPARE(run.answers->warnings.size(), 1);
        QVERIFY(run.answers->warnings.first().contains(pdf));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(CalculationPackageTest)
#include "CalculationPackageTest.moc"
