// Filling a list of settings: Count + NameAt for every index (one folder enumeration per name)
// against Names (one enumeration for the whole list); loading and saving one setting; loading
// every setting of a folder, as the panel's list does.
#include "settings/PressStore.h"
#include "tests/support/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// One folder per size, filled once and kept for the whole run.
const TemporaryFolder& FolderWith(int settings)
{
    static std::map<int, std::unique_ptr<TemporaryFolder>> folders;
    auto& folder = folders[settings];
    if (!folder) {
        folder = std::make_unique<TemporaryFolder>();
        PressStore::SetFolder(folder->Utf8());
        PressSettings record("Bench");
        for (int i = 0; i < settings; ++i)
            PressStore::Save(record, "Press " + std::to_string(i), false);
    }
    PressStore::SetFolder(folder->Utf8());
    return *folder;
}

void CountAndNameAt(benchmark::State& state)
{
    FolderWith(static_cast<int>(state.range(0)));
    char name[512];
    for (auto _ : state) {
        for (int i = 0, count = PressStore::Count(); i < count; ++i) {
            PressStore::NameAt(i, name, sizeof name);
            benchmark::DoNotOptimize(name);
        }
    }
}

void OneEnumeration(benchmark::State& state)
{
    FolderWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto names = PressStore::Names();
        benchmark::DoNotOptimize(names.data());
    }
}

void LoadOne(benchmark::State& state)
{
    FolderWith(1);
    for (auto _ : state) {
        auto record = PressStore::Load("Press 0");
        benchmark::DoNotOptimize(record.get());
    }
}

// What the panel's list does per setting when it fills.
void LoadEvery(benchmark::State& state)
{
    FolderWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const std::string& name : PressStore::Names())
            benchmark::DoNotOptimize(PressStore::Load(name));
    }
}

void SaveOne(benchmark::State& state)
{
    FolderWith(1);
    PressSettings record("Bench");
    for (auto _ : state)
        PressStore::Save(record, "Press 0", true);
}

BENCHMARK(CountAndNameAt)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(OneEnumeration)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadOne)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadEvery)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOne)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
