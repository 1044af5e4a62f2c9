// Generate -> first pixels: Viewer.aip and the engine in the simulated host, from the click on
// the panel's Update button to the canvas's first painted proof of the label sample, against the
// engine's share of it: the same generation and the same RenderPreview called directly on the
// engine's suites. Each iteration first edits the document (not timed), so that Update is offered.
// And choosing a dot gain curve in the panel's list (a setting and "Automatic" in turn) to the
// proof repainted with it, against the engine's share: SetDotGainCurve and the same RenderPreview.

#include "plugin/suites/HLKilnSuite.h"
#include "sim/host/PanelCenter.h"
#include "sim/host/StandardStartup.h"
#include "sim/kiln/KilnControlSuite.h"
#include "support/platform/SharedFolders.h"
#include "tests/support/EngineJob.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QImage>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <vector>

namespace {

// A setting whose curve prints every point as itself.
constexpr const char* kLinearSetting =
    "Version: 3\nIsFlexo: 0\nFirstDot: 1\nHasDarkening: 0\nFirstDotDarkening: 10\nDarkeningRange: 50\nHasTAC: 0\n"
    "TACLimit: 270\nHasDeviation: 0\nDeviationDistance: 0.1\nCheckAngleDifference30: 1\nCheckDifferentRulings: 1\n"
    "CheckSameAngles: 1\nCheckDifferentDotshape: 1\nExcludeMinLuminance: 1\nExcludeMaxLuminance: 1\n"
    "MinLuminanceValue: 0\nMaxLuminanceValue: 85\nExcludeMinDensity: 1\nExcludeMaxDensity: 1\nMinDensityValue: 5\n"
    "MaxDensityValue: 95\nMinimum Dot Gain: 0\n25 Dot Gain: 25\n50 Dot Gain: 50\n75 Dot Gain: 75\nMaximum Dot Gain: 100\n";

hostsim::Host* g_host = nullptr;
QComboBox* g_curves = nullptr;
AIDocumentHandle g_label = nullptr;
QWidget* g_canvas = nullptr;
QPushButton* g_button = nullptr;
// The canvas's last request: device rectangle and job area.
int g_top = 0, g_bottom = 0, g_left = 0, g_right = 0;
double g_area[4] = {};
double g_step = 1.0;

void OfferUpdate()
{
    std::string error;
    g_step = -g_step;
    g_host->Documents().Edit(g_label, hostsim::MoveArtwork{0, g_step, 0}, error);
    g_host->AdvanceTicks(120);
}

void GenerateToFirstPixels(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        OfferUpdate();
        state.ResumeTiming();
        g_button->click();
        const QImage shown = g_canvas->grab().toImage();
        benchmark::DoNotOptimize(shown.constBits());
    }
}

void EngineShare(benchmark::State& state)
{
    const HLKilnSuite* kiln = AcquireHostSuite<HLKilnSuite>(*g_host);
    const HLKilnODLSuite* generation = AcquireHostSuite<HLKilnODLSuite>(*g_host);
    std::vector<ASUInt32> pixels(static_cast<std::size_t>(g_right - g_left) * (g_bottom - g_top));
    double height = 0.0;
    double width = 0.0;
    for (auto _ : state) {
        kiln->ResetSession();
        const HLKilnResultHandle result = generation->RunGeneration();
        if (generation->ResultSucceeded(result) == 0)
            state.SkipWithError("the generation failed");
        generation->ReleaseResult(result);
        kiln->GetJobSize(&height, &width);
        kiln->JobLoaded();
        if (kiln->RenderPreview(g_top, g_bottom, g_left, g_right, g_area, pixels.data()) != kNoErr)
            state.SkipWithError("RenderPreview failed");
        benchmark::DoNotOptimize(pixels.data());
    }
}

void ChooseCurveToPixels(benchmark::State& state)
{
    int row = 1;
    for (auto _ : state) {
        g_curves->setCurrentIndex(row);
        emit g_curves->activated(row);
        const QImage shown = g_canvas->grab().toImage();
        benchmark::DoNotOptimize(shown.constBits());
        row = 1 - row;
    }
}

void CurveEngineShare(benchmark::State& state)
{
    const HLKilnSuite* kiln = AcquireHostSuite<HLKilnSuite>(*g_host);
    std::vector<ASUInt32> pixels(static_cast<std::size_t>(g_right - g_left) * (g_bottom - g_top));
    bool linear = true;
    for (auto _ : state) {
        const double scale = linear ? 0.25 : 0.0;
        kiln->SetDotGainCurve(0.0, scale, 2 * scale, 3 * scale, 4 * scale);
        if (kiln->RenderPreview(g_top, g_bottom, g_left, g_right, g_area, pixels.data()) != kNoErr)
            state.SkipWithError("RenderPreview failed");
        benchmark::DoNotOptimize(pixels.data());
        linear = !linear;
    }
}

// The panel's controls, and the canvas's request after a first Generate.
bool Prepare()
{
    hostsim::Panel* panel = g_host->Panels().FindByName("Hueline Viewer");
    if (panel == nullptr)
        return false;
    hostsim::PanelCenter::Show(*panel, true);
    QWidget& window = hostsim::PanelCenter::WindowOf(*panel);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == "Generate")
            g_button = button;
    for (QComboBox* list : window.findChildren<QComboBox*>())
        if (list->itemText(0) == "Automatic" && list->count() == 2)
            g_curves = list;
    g_canvas = window.childAt(240, 100);
    if (g_button == nullptr || g_canvas == nullptr || g_curves == nullptr)
        return false;
    g_button->click();
    hostsim::ClearEngineCalls(*g_host);
    g_canvas->grab();
    for (const std::string& call : hostsim::EngineCalls(*g_host))
        if (std::sscanf(call.c_str(), "RenderPreview(%d, %d, %d, %d, %lf, %lf, %lf, %lf)", &g_top, &g_bottom,
                        &g_left, &g_right, &g_area[0], &g_area[1], &g_area[2], &g_area[3]) == 8)
            return true;
    return false;
}

BENCHMARK(GenerateToFirstPixels)->Unit(benchmark::kMillisecond);
BENCHMARK(EngineShare)->Unit(benchmark::kMillisecond);
BENCHMARK(ChooseCurveToPixels)->Unit(benchmark::kMillisecond);
BENCHMARK(CurveEngineShare)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TemporaryFolder folder;
    const EnvironmentGuard sharedDocuments(platform::kSharedDocumentsVariable, folder.Utf8());
    hostsim::Host host;
    g_host = &host;
    host.SetFolder(kKilnPreferencesFolderType, folder.Path().string());
    host.SetUserInteractionAllowed(false);
    folder.Write("Hueline/dot_gain_curves/Linear.press", kLinearSetting);
    std::string error;
    g_label = host.Documents().Open(SAMPLES_DIR "/label.json", error);
    const bool started =
        g_label != nullptr && hostsim::StartStandardPlugins(host, PLUGIN_DIR, hostsim::EngineAttendance::Ready).empty();
    if (!started || !Prepare()) {
        std::cerr << "the viewer could not generate the label or list its setting " << error << "\n";
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    host.Shutdown();
    // What the plug-ins queued while shutting down reaches their code before the host unloads it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return 0;
}
