// Opening and closing the dot gain list dialog, and filling the panel's dot gain list (its first
// fill and a refill), with 2,000 settings in the folder, against an empty folder in the same run.
// The dialog's fill is one folder enumeration and no file read; the panel's is one enumeration and
// one load per file.

#include "bench/BenchRun.h"
#include "settings/PressStore.h"
#include "settings/ui/DotGainDialog.h"
#include "settings/ui/DotGainList.h"
#include "support/platform/SharedFolders.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"
#include "toolkit/RVADM_ModalDialog.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <memory>

namespace {

// One shared documents folder per size, filled once and kept for the whole run.
void UseFolderWith(int settings)
{
    static std::map<int, std::unique_ptr<TemporaryFolder>> folders;
    auto& folder = folders[settings];
    const bool fresh = !folder;
    if (fresh)
        folder = std::make_unique<TemporaryFolder>();
    SetTestEnvironment(platform::kSharedDocumentsVariable, folder->Utf8().c_str());
    PressStore::InitFolder();
    if (!fresh)
        return;
    PressSettings record("Bench");
    for (int i = 0; i < settings; ++i)
        PressStore::Save(record, "Press " + std::to_string(i), false);
}

void OpenAndClose(benchmark::State& state)
{
    UseFolderWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QTimer::singleShot(0, [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject(); });
        DotGainDialog::Run();
    }
}

// The panel's list as the panel makes it at the host's start: a fresh list's first fill, not a
// refill of a list that has rows. Without an engine the list sends no curve: what is measured
// is the listing and the loads.
void FirstFillOfPanelList(benchmark::State& state)
{
    UseFolderWith(static_cast<int>(state.range(0)));
    qRVADM::RVADM_ModalDialog dialog;
    int rows = 0;
    for (auto _ : state) {
        auto list = std::make_unique<DotGainList>(&dialog, std::function<void()>());
        rows = list->count();
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}

// The same list filled again, as after the dot gain dialogs close.
void RefillPanelList(benchmark::State& state)
{
    UseFolderWith(static_cast<int>(state.range(0)));
    qRVADM::RVADM_ModalDialog dialog;
    DotGainList list(&dialog, {});
    for (auto _ : state)
        list.Fill(std::string());
    state.counters["rows"] = list.count();
}

BENCHMARK(OpenAndClose)->Arg(0)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstFillOfPanelList)->Arg(0)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(RefillPanelList)->Arg(0)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    ChooseOffscreenPlatform();
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
