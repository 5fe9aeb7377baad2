#pragma once
#include "gui/main/LiveRunSchedule.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QProcess;
class QTemporaryDir;

namespace korva::gui {

class TProgramData;
class TResultGraphs;

// Live results: each stored edit of the project starts an analysis of the project as it is in
// memory, and the result graphs (with every open plot window and every subscribed view) are
// refilled from it.
//
// The analysis is the program `korva run`, the engine the Run command uses, started as a
// child process on a copy of the project written into a private temporary folder: the
// process runs beside the window's event loop without threads of the window's own, an engine
// that crashes ends only its process, and the project's own file and its result files are
// never touched. The order of the runs (one at a time, the newest edit wins, out-of-date
// results dropped, failures kept as stale results) is LiveRunSchedule's.
class TLiveAnalysis : public QObject
{
    Q_OBJECT

  public:
    // `project` gives the open project at the time it is asked (the main window replaces it);
    // `engineProgram` is the path of the korva program.
    TLiveAnalysis(std::function<TProgramData&()> project, TResultGraphs& graphs,
                  QString engineProgram, QObject* parent = nullptr);
    ~TLiveAnalysis() override;

    // A stored edit: a new analysis when the project's data file would differ from the one
    // last asked for.
    void ProjectEdited();
    // Stops the run in flight and forgets every live result (live results off, project
    // replaced, Run Analysis).
    void Stop();

    void SetEngineProgram(const QString& path) { fEngineProgram = path; }
    const QString& EngineProgram() const { return fEngineProgram; }
    const LiveRunSchedule& Schedule() const { return fSchedule; }
    bool Running() const { return fSchedule.Running(); }
    // Wall time of the last engine process that ended, from its start to its end (ms).
    double LastAnalysisMilliseconds() const { return fLastAnalysisMs; }
    QString StatusText() const { return QString::fromStdString(fSchedule.StatusText()); }

  signals:
    // The status bar text changed ("live, not saved", a failure with its reason, or empty).
    void StatusChanged(const QString& text);
    // The graphs were refilled from a live run and the windows were told.
    void ResultsShown();
    // A run ended (shown, failed or dropped).
    void RunEnded();

  private:
    void Start(LiveRunSchedule::Revision revision);
    void ProcessEnded(LiveRunSchedule::Revision revision, bool crashed, int exitCode);
    // Reads the plot data of the run into the graphs; empty on success, else the reason.
    std::string ReadRunResults();
    void Finish(LiveRunSchedule::Revision revision, bool succeeded, const std::string& reason);
    void DiscardProcess();
    QString RunProjectPath() const;

    std::function<TProgramData&()> fProject;
    TResultGraphs& fGraphs;
    QString fEngineProgram;
    LiveRunSchedule fSchedule;
    std::unique_ptr<QTemporaryDir> fFolder;
    QProcess* fProcess = nullptr;
    QElapsedTimer fTimer;
    double fLastAnalysisMs = 0;
    // The project data file of the newest edit, or the reason it cannot be written.
    bool fHaveNewest = false;
    std::string fNewestText;
    std::string fNewestError;
    QString fRunName;
};

} // namespace korva::gui
