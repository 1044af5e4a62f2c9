// Opening and closing the dot gain list dialog with 2,000 settings in the folder, against an
// empty folder in the same run: the difference is the list fill (one folder enumeration, no
// file read) and the list box holding the rows.

#include "settings/PressStore.h"
#include "settings/ui/DotGainDialog.h"
#include "support/platform/SharedFolders.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <benchmark/benchmark.h>

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

BENCHMARK(OpenAndClose)->Arg(0)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
