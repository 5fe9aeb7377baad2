#include "gui/main/LiveAnalysis.h"

#include "gui/main/ProfileCheck.h"
#include "gui/model/ProgramData.h"
#include "gui/model/ProjectFile.h"
#include "gui/results/PlotDataReader.h"
#include "gui/results/ProjectPlotSettings.h"
#include "gui/results/ResultGraphs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <exception>

namespace korva::gui {

namespace {

// Exit codes of `korva run`: 0 status 0, 1 any other status of the analysis. Anything else
// means the program did not analyse the project.
constexpr int ExitStatusZero = 0;
constexpr int ExitOtherStatus = 1;

// Run files of a live copy that an earlier run may have left: removed before each run, so
// that a run that writes nothing is never shown with an earlier run's results.
constexpr const char* RunFileExtensions[] = {".kv8p", ".kv8o", ".kv8r", ".kv8z"};

} // namespace

TLiveAnalysis::TLiveAnalysis(std::function<TProgramData&()> project, TResultGraphs& graphs,
                             QString engineProgram, QObject* parent)
    : QObject(parent), fProject(std::move(project)), fGraphs(graphs),
      fEngineProgram(std::move(engineProgram))
{
}

TLiveAnalysis::~TLiveAnalysis()
{
    DiscardProcess();
}

void TLiveAnalysis::ProjectEdited()
{
    // The project is composed as Save writes it; an edit that leaves the file the same (a
    // window left without a change, a menu opened) needs no analysis.
    std::string text;
    std::string error;
    try {
        text = ComposeProjectFile(fProject());
    } catch (const std::exception& e) {
        error = e.what();
    }
    if (fHaveNewest && error.empty() && fNewestError.empty() && text == fNewestText)
        return;
    fHaveNewest = true;
    fNewestText = std::move(text);
    fNewestError = std::move(error);
    if (const auto revision = fSchedule.Edited())
        Start(*revision);
}

void TLiveAnalysis::Stop()
{
    DiscardProcess();
    fSchedule.Reset();
    fHaveNewest = false;
    fNewestText.clear();
    fNewestError.clear();
    emit StatusChanged(StatusText());
}

void TLiveAnalysis::DiscardProcess()
{
    if (fProcess == nullptr)
        return;
    QProcess* process = fProcess;
    fProcess = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(2000);
    }
    process->deleteLater();
}

QString TLiveAnalysis::RunProjectPath() const
{
    return QDir(fFolder->path()).filePath(fRunName + ".kv8d");
}

void TLiveAnalysis::Start(LiveRunSchedule::Revision revision)
{
    if (!fNewestError.empty()) {
        Finish(revision, false, fNewestError);
        return;
    }
    // The profile check of Run Analysis, told in the status bar rather than in a box.
    if (const auto warning = CheckProfile(ProfileCheckInputOf(fProject()))) {
        Finish(revision, false, *warning);
        return;
    }
    if (!fFolder) {
        fFolder = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/korva-live-XXXXXX");
        if (!fFolder->isValid()) {
            const std::string reason = "Live results: no temporary folder could be made (" +
                                       fFolder->errorString().toStdString() + ").";
            fFolder.reset();
            Finish(revision, false, reason);
            return;
        }
    }
    // The copy has the project's own name, so that everything the engine derives from the
    // name reads as it does in a run of the project itself.
    fRunName = QFileInfo(QString::fromStdString(fProject().FileName)).completeBaseName();
    if (fRunName.isEmpty())
        fRunName = QStringLiteral("Live");
    const QString projectCopy = RunProjectPath();
    for (const char* extension : RunFileExtensions)
        QFile::remove(QDir(fFolder->path()).filePath(fRunName + extension));
    QFile file(projectCopy);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(fNewestText.data(), static_cast<qint64>(fNewestText.size())) !=
            static_cast<qint64>(fNewestText.size()) ||
        !file.flush()) {
        Finish(revision, false,
               "Live results: the project copy could not be written (" +
                   file.errorString().toStdString() + ").");
        return;
    }
    file.close();

    auto* process = new QProcess(this);
    fProcess = process;
    process->setWorkingDirectory(fFolder->path());
    process->setProcessChannelMode(QProcess::SeparateChannels);
    connect(process, &QProcess::finished, this,
            [this, revision, process](int exitCode, QProcess::ExitStatus status) {
                if (process != fProcess)
                    return;
                ProcessEnded(revision, status == QProcess::CrashExit, exitCode);
            });
    connect(process, &QProcess::errorOccurred, this,
            [this, revision, process](QProcess::ProcessError error) {
                if (process != fProcess || error != QProcess::FailedToStart)
                    return;
                DiscardProcess();
                Finish(revision, false,
                       "Live results: the analysis program " +
                           QDir::toNativeSeparators(fEngineProgram).toStdString() +
                           " could not be started.");
            });
    fTimer.start();
    process->start(fEngineProgram, {QStringLiteral("run"), projectCopy});
}

void TLiveAnalysis::ProcessEnded(LiveRunSchedule::Revision revision, bool crashed, int exitCode)
{
    fLastAnalysisMs = static_cast<double>(fTimer.nsecsElapsed()) / 1e6;
    // `korva run` prints "Status N: words" on standard output and a failure's message as
    // "korva: message" on standard error.
    QString statusLine;
    QString message;
    if (fProcess != nullptr) {
        for (const QString& line :
             QString::fromLocal8Bit(fProcess->readAllStandardOutput()).split('\n'))
            if (line.startsWith(QStringLiteral("Status ")))
                statusLine = line.trimmed();
        for (const QString& line :
             QString::fromLocal8Bit(fProcess->readAllStandardError()).split('\n'))
            if (line.startsWith(QStringLiteral("korva: ")))
                message = line.mid(7).trimmed();
    }
    DiscardProcess();
    if (!fSchedule.IsCurrent(revision)) {
        Finish(revision, false, {}); // out of date: dropped unread
        return;
    }
    if (crashed) {
        Finish(revision, false, "The analysis program stopped unexpectedly.");
        return;
    }
    if (exitCode != ExitStatusZero && exitCode != ExitOtherStatus) {
        Finish(revision, false,
               "The analysis program could not analyse the project (exit code " +
                   std::to_string(exitCode) + ").");
        return;
    }
    std::string reason = ReadRunResults();
    if (!reason.empty()) {
        // No results: the engine's own message says why, when it gave one.
        if (!message.isEmpty())
            reason = message.toStdString();
        else if (!statusLine.isEmpty())
            reason = statusLine.toStdString() + ".";
        Finish(revision, false, reason);
        return;
    }
    // Results of a run whose status is not 0 are shown with that status beside them.
    Finish(revision, true, exitCode == ExitStatusZero ? std::string() : statusLine.toStdString());
}

std::string TLiveAnalysis::ReadRunResults()
{
    const std::filesystem::path plotFile =
        QDir(fFolder->path()).filePath(fRunName + ".kv8p").toStdString();
    if (!QFileInfo::exists(QString::fromStdString(plotFile.string())))
        return "The analysis wrote no plot data; see the report of Run Analysis for the reason.";
    const TPlotReadSettings settings = PlotReadSettingsOf(fProject());
    // Read first into graphs of its own: a file that cannot be read completely leaves the
    // graphs shown as they were.
    TResultGraphs trial;
    const TPlotReadResult check = ReadPlotData(plotFile, settings, trial);
    if (!check.ShowOutput)
        return "The plot data of the analysis cannot be read: " + check.ErrorMessage;
    ReadPlotData(plotFile, settings, fGraphs);
    return {};
}

void TLiveAnalysis::Finish(LiveRunSchedule::Revision revision, bool succeeded,
                           const std::string& reason)
{
    const bool current = fSchedule.IsCurrent(revision);
    const auto next = fSchedule.Ended(revision, succeeded, reason);
    if (current) {
        fGraphs.NotifyResultsChanged(succeeded ? TResultsFreshness::Live
                                               : TResultsFreshness::Stale);
        emit StatusChanged(StatusText());
        if (succeeded)
            emit ResultsShown();
    }
    emit RunEnded();
    if (next)
        Start(*next);
}

} // namespace korva::gui
