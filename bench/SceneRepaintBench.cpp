// Repaint of the 3-D view of a 40-layer project at 1280 x 1024 (the goal: under 16 ms, one
// frame at 60 Hz, with Mesa's llvmpipe). Needs an X display:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/korva_view_bench
#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"
#include "gui/results/ResultGraphs.h"
#include "gui/views/Block.h"
#include "gui/views/GlWindow.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

using namespace korva::gui;

namespace {

// A 40-layer profile, 2.5 ft layers of the nine kinds in turn, with a belled shaft.
std::unique_ptr<TProgramData> FortyLayerProject()
{
    auto project = TProgramData::Create();
    project->DSTART = 3.0L;
    project->PD = 90.0L;
    project->METHOD = 2;
    project->TOPLENG = 5.0L;
    project->BS = 2.0L;
    project->RATIO = 2.0L;
    project->BELANGL = 30.0L;
    project->WTD = 20.0L;
    TGridTable& layers = project->D();
    layers.SetRowCount(40);
    for (int row = 0; row < 40; ++row) {
        layers.SetIntValue(LayerColumn::Kind, row, row % 9 + 1);
        layers.SetFloatValue(LayerColumn::Depth, row, 2.5L * (row + 1));
    }
    return project;
}

// CPU time of the whole process (every rendering thread of the OpenGL driver included), in
// milliseconds: the work of a frame, whatever else the machine is busy with.
double ProcessCpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Reports the process CPU time per iteration as the counter "process_cpu_ms".
template <class TBody> void Measure(benchmark::State& state, TBody body)
{
    const double start = ProcessCpuMilliseconds();
    for (auto _ : state)
        body();
    state.counters["process_cpu_ms"] =
        (ProcessCpuMilliseconds() - start) / static_cast<double>(state.iterations());
}

struct TSceneFixture
{
    std::unique_ptr<TProgramData> project = FortyLayerProject();
    TResultGraphs graphs;
    QString editor;
    TDlgBlock view{TChildWindowContext{*project, graphs, editor, [] { return false; }}};

    TSceneFixture()
    {
        TSceneShowFlags flags;
        view.resize(1280, 1024);
        view.show();
        (void)QTest::qWaitForWindowExposed(view.GlWindow());
        // A turned view, labels on: the faces of every block face the viewer.
        view.State().RotX = 30.0;
        view.State().RotZ = 30.0;
        view.Command("Layer Labels")->trigger();
        view.Command("Layer Depths")->trigger();
        Repaint();
    }
    // The frame drawn into the control's framebuffer: what the view's drawing takes.
    void Render() { view.GlWindow()->RenderFrame(); }
    // A repaint of the window through the window system (composed and presented by the X
    // server as well).
    void Repaint()
    {
        view.GlWindow()->repaint();
        view.GlWindow()->makeCurrent();
        view.GlWindow()->glFinish();
        view.GlWindow()->doneCurrent();
    }
};

void SceneFrame(benchmark::State& state)
{
    TSceneFixture fixture;
    Measure(state, [&] { fixture.Render(); });
    state.counters["width"] = fixture.view.GlWindow()->width();
    state.counters["height"] = fixture.view.GlWindow()->height();
}
BENCHMARK(SceneFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void SceneRepaint(benchmark::State& state)
{
    TSceneFixture fixture;
    Measure(state, [&] { fixture.Repaint(); });
}
BENCHMARK(SceneRepaint)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

// The same frame without the 81 labels, and a frame with nothing in the scene: what the text
// and what the clearing, composing and presenting of the window take.
void SceneFrameWithoutLabels(benchmark::State& state)
{
    TSceneFixture fixture;
    fixture.view.Command("Layer Labels")->trigger();
    fixture.view.Command("Layer Depths")->trigger();
    Measure(state, [&] { fixture.Render(); });
}
BENCHMARK(SceneFrameWithoutLabels)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void EmptySceneFrame(benchmark::State& state)
{
    TSceneFixture fixture;
    for (const char* item :
         {"Layer Labels", "Layer Depths", "Soil Layers", "Water Level", "Shaft", "Global Axes"})
        fixture.view.Command(item)->trigger();
    Measure(state, [&] { fixture.Render(); });
}
BENCHMARK(EmptySceneFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

// A frame after a change of the show flags: the display lists are compiled anew.
void SceneRebuildAndFrame(benchmark::State& state)
{
    TSceneFixture fixture;
    Measure(state, [&] {
        fixture.view.Rebuild();
        fixture.Render();
    });
}
BENCHMARK(SceneRebuildAndFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::puts("korva_view_bench needs an X display: run it under xvfb-run");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    RequestSceneSurfaceFormat();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
