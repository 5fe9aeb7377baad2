#include "gui/main/CommandLineExport.h"

#include "gui/main/EngineRunFiles.h"
#include "gui/main/Main.h"
#include "gui/main/ProjectFileNames.h"
#include "gui/model/InOutError.h"
#include "gui/results/CalculationPackage.h"
#include "gui/results/PlotWorkbook.h"

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace korva::gui {

namespace {

constexpr const char* kUsage =
    "Usage: korvawin [PROJECT.kv8d]\n"
    "       korvawin --export-xlsx OUT.xlsx PROJECT.kv8d\n"
    "       korvawin --export-pdf OUT.pdf PROJECT.kv8d\n"
    "       korvawin --help\n"
    "\n"
    "Without options the desktop program starts, with PROJECT open when one is given.\n"
    "\n"
    "  --export-xlsx OUT PROJECT  analyse PROJECT as Run Analysis does, then write every result\n"
    "                             plot that the Graphics menu offers to the spreadsheet\n"
    "                             workbook OUT (markers on)\n"
    "  --export-pdf OUT PROJECT   analyse PROJECT as Run Analysis does, then write its\n"
    "                             calculation package to the PDF file OUT: title page, the\n"
    "                             report, one page per result plot that the Graphics menu offers\n"
    "  --help                     show this text\n"
    "\n"
    "The export commands need no display. The run saves the project and writes its result\n"
    "files beside it, as Run Analysis does. Exit status: 0 the document was written; 1 the\n"
    "project could not be analysed or the document not written (the reason on standard\n"
    "error); 2 the command line is not understood.\n";

enum class TDocument { Workbook, Package };

void PrintError(const QString& text)
{
    std::fputs(text.trimmed().toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

// The main window's questions answered for a script: nothing is saved under a new name, and
// every message is kept for the error report.
class TConsolePrompt : public UserPrompt
{
  public:
    explicit TConsolePrompt(QStringList& messages) : fMessages(messages) {}
    Answer AskSaveChanges() override { return Answer::No; }
    void Information(const QString& text) override { fMessages << text; }
    void Warning(const QString& text) override { fMessages << text; }
    void Error(const QString& text) override { fMessages << text; }
    QString OpenFileName(const QString&, const QStringList&, int&) override { return {}; }
    QString SaveFileName(const QString&, const QString&, const QString&,
                         const QStringList&) override
    {
        return {};
    }

  private:
    QStringList& fMessages;
};

int Fail(const QString& message, const QStringList& details = {})
{
    PrintError(QStringLiteral("korvawin: ") + message);
    for (const QString& detail : details)
        PrintError(detail);
    return 1;
}

int Export(TDocument document, const QString& outputArgument, const QString& projectArgument)
{
    // Both taken against the folder the command was started in: the run makes the project's
    // folder current.
    const QString output = QFileInfo(outputArgument).absoluteFilePath();
    const QString project = QFileInfo(projectArgument).absoluteFilePath();
    if (!QFileInfo(project).isFile())
        return Fail(QStringLiteral("the project file %1 does not exist.").arg(project));
    if (IsRunFile(project.toStdString(), output.toStdString()))
        return Fail(QStringLiteral("%1 is a file of the project's runs; the document needs "
                                   "another name.")
                        .arg(output));
    if (FilterForExtension(project.toStdString()) != ProjectFileFilter::CurrentLayout)
        return Fail(QStringLiteral("%1 is not a %2 project file; open it in the desktop program "
                                   "and save it as one first.")
                        .arg(project, QString(ProjectDataExtension)));

    // A script's runs leave the user's settings (recent files, folders) as they were.
    QTemporaryDir settings;
    if (!settings.isValid())
        return Fail(QStringLiteral("no temporary folder can be made."));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

    QStringList messages;
    TMainForm form(std::make_unique<TConsolePrompt>(messages));
    form.OpenFile(project, 1);
    if (QFileInfo(QString::fromStdString(form.Project().FileName)).absoluteFilePath() != project)
        return Fail(QStringLiteral("the project file %1 cannot be read.").arg(project), messages);

    const EngineRunEnd outcome = form.CompRunClick();
    if (outcome == EngineRunEnd::CompletedWithErrors) {
        // The report is named only when the run wrote one.
        const QString report = QFileInfo(project).absolutePath() + "/" +
                               QFileInfo(project).completeBaseName() + ".kv8o";
        const QString see =
            QFileInfo::exists(report) ? QStringLiteral("; see its report ") + report : QString();
        return Fail(QStringLiteral("the analysis of %1 ended with status %2%3. "
                                   "No document was written.")
                        .arg(project)
                        .arg(form.Run().LastStatus())
                        .arg(see),
                    messages);
    }
    if (outcome != EngineRunEnd::Completed || !form.ShowOutput)
        return Fail(QStringLiteral("the analysis of %1 did not complete. No document was written.")
                        .arg(project),
                    messages);

    try {
        if (document == TDocument::Workbook) {
            const std::vector<TGraphPlot*> offered = form.OfferedExportGraphs();
            if (offered.empty())
                return Fail(QStringLiteral("the analysis of %1 gave no result plot to export.")
                                .arg(project));
            const TWorkbookExport written = WritePlotWorkbook(
                output.toStdString(),
                std::vector<const TGraphPlot*>(offered.begin(), offered.end()), true);
            if (written.SeriesLimited)
                PrintError(QStringLiteral("korvawin: some charts show only the first %1 curves; "
                                          "every curve is on the data sheets.")
                               .arg(WorkbookSeriesLimit));
        } else {
            WriteCalculationPackage(output.toStdString(), form.CalculationPackageOfProject());
        }
    } catch (const EInOutError& e) {
        return Fail(QString::fromStdString(e.what()));
    }
    return 0;
}

} // namespace

bool IsWindowlessCommand(const QStringList& arguments)
{
    return !arguments.isEmpty() && arguments.first().startsWith(QStringLiteral("--"));
}

int RunWindowlessCommand(const QStringList& arguments)
{
    const QString command = arguments.value(0);
    if (command == QStringLiteral("--help") && arguments.size() == 1) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const bool workbook = command == QStringLiteral("--export-xlsx");
    const bool package = command == QStringLiteral("--export-pdf");
    if ((workbook || package) && arguments.size() == 3)
        return Export(workbook ? TDocument::Workbook : TDocument::Package, arguments[1],
                      arguments[2]);
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace korva::gui
