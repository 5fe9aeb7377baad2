// Live results: from an edit stored into the project to the redrawn capacity plot window, for
// each example project and a 40-layer project, beside the wall time of the analysis process
// alone. Runs offscreen with the korva program of this build.
#include <benchmark/benchmark.h>

#include "HeavyDeck.h"

#include "gui/main/LiveAnalysis.h"
#include "gui/main/Main.h"
#include "gui/main/UserPrompt.h"
#include "gui/results/PlotForm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace korva::gui;

namespace {

// Answers nothing and shows nothing.
class SilentPrompt : public UserPrompt
{
  public:
    Answer AskSaveChanges() override { return Answer::No; }
    void Information(const QString&) override {}
    void Warning(const QString&) override {}
    void Error(const QString&) override {}
    QString OpenFileName(const QString&, const QStringList&, int&) override { return {}; }
    QString SaveFileName(const QString&, const QString&, const QString&,
                         const QStringList&) override
    {
        return {};
    }
};

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Waits for the end of the live run in flight; false after 20 s.
bool WaitForRunEnd(TLiveAnalysis& live)
{
    if (!live.Running())
        return true;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&live, &TLiveAnalysis::RunEnded, &loop, [&] {
        if (!live.Running())
            loop.quit();
    });
    guard.start(20000);
    loop.exec();
    return !live.Running();
}

void LiveEdit(benchmark::State& state, const std::string& deck, const std::string& name)
{
    QTemporaryDir folder;
    const QString project = folder.filePath(QString::fromStdString(name) + ".kv8d");
    {
        QFile file(project);
        file.open(QIODevice::WriteOnly);
        file.write(deck.data(), static_cast<qint64>(deck.size()));
    }
    TMainForm form(std::make_unique<SilentPrompt>());
    form.SetEngineLibraryPath(KORVA_ENGINE_LIBRARY);
    form.SetLiveEngineProgram(KORVA_CLI_PROGRAM);
    form.StartUp({project});
    form.resize(1000, 720);
    form.show();
    const EngineRunEnd outcome = form.CompRunClick();
    if (outcome != EngineRunEnd::Completed && outcome != EngineRunEnd::CompletedWithErrors) {
        state.SkipWithError("Run Analysis failed");
        return;
    }
    form.ShowGraph(form.Graphs().pltTotal);
    auto* plot = dynamic_cast<TPlotForm*>(form.Graphs().pltTotal.Form());
    if (plot == nullptr) {
        state.SkipWithError("no capacity plot window");
        return;
    }
    form.SetLiveResults(true);
    if (!WaitForRunEnd(form.Live())) {
        state.SkipWithError("live run did not end");
        return;
    }

    TLiveAnalysis& live = form.Live();
    const long double diameter = form.Project().DSTART;
    std::vector<double> redraw;
    std::vector<double> analysis;
    int edits = 0;
    for (auto _ : state) {
        // A smaller diameter never fails the profile check; the next edit goes back.
        const long double value = (++edits % 2 == 1) ? diameter * 0.95L : diameter;
        QEventLoop loop;
        bool shown = false;
        const auto connection = QObject::connect(&live, &TLiveAnalysis::RunEnded, &loop, [&] {
            if (!live.Running()) {
                shown = live.Schedule().State() == LiveResultState::Live;
                loop.quit();
            }
        });
        QElapsedTimer clock;
        clock.start();
        form.Project().Store(form.Project().DSTART, value);
        form.ProjectEdited();
        if (live.Running())
            loop.exec();
        QObject::disconnect(connection);
        // The plot window was told to draw again; it is painted now.
        plot->Canvas()->repaint();
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (!shown) {
            state.SkipWithError("live run failed");
            break;
        }
        state.SetIterationTime(ms / 1000);
        redraw.push_back(ms);
        analysis.push_back(live.LastAnalysisMilliseconds());
    }
    state.counters["edit_to_redraw_ms"] = Median(redraw);
    state.counters["analysis_ms"] = Median(analysis);
    form.SetLiveResults(false);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's settings are left alone: a private settings folder for the benchmark.
    QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toUtf8());
    QApplication application(argc, argv);

    QStringList examples = QDir(KORVA_EXAMPLES).entryList({"*.kv8d"}, QDir::Files, QDir::Name);
    for (const QString& example : examples) {
        QFile file(QDir(KORVA_EXAMPLES).filePath(example));
        file.open(QIODevice::ReadOnly);
        const std::string deck = file.readAll().toStdString();
        const std::string name = QFileInfo(example).completeBaseName().toStdString();
        benchmark::RegisterBenchmark(("LiveEdit/" + name).c_str(), LiveEdit, deck, name)
            ->UseManualTime()
            ->Iterations(20)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("LiveEdit/Heavy40Layers", LiveEdit, heavyDeck(),
                                 std::string("Heavy40Layers"))
        ->UseManualTime()
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
