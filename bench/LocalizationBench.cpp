// A localisation lookup against std::unordered_map::find on the same 5,000 keys: the hash table
// is the baseline a lookup should stay within twice of. Both ask for the keys in one shuffled
// order, as a user interface does, not in the order the table was filled.
#include "support/Localization.h"
#include "tests/support/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kKeyCount = 5000;

// User-interface texts of varied length; every tenth ends in "..." as menu items do.
std::vector<std::string> Keys()
{
    std::vector<std::string> keys;
    for (int i = 0; i < kKeyCount; ++i) {
        std::string key = "Dot gain setting " + std::to_string(i);
        if (i % 3 == 0)
            key += " could not be retrieved";
        if (i % 10 == 0)
            key += "...";
        keys.push_back(key);
    }
    return keys;
}

std::string FileKey(const std::string& key)
{
    std::string escaped;
    for (const char c : key) {
        if (c == '.')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string Translation(const std::string& key)
{
    return "Translated " + key;
}

// The keys in lookup order, after the translations of every key were loaded.
const std::vector<std::string>& LoadedKeys()
{
    static const TemporaryFolder folder;
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> keys = Keys();
        std::string text;
        for (const auto& key : keys)
            text += '"' + FileKey(key) + "\" : \"" + Translation(key) + "\"\n";
        folder.Write("bench.asc", text);
        InitLanguage(folder.Utf8().c_str());
        LoadLocalizationModule("bench");
        std::shuffle(keys.begin(), keys.end(), std::mt19937(5000));
        return keys;
    }();
    return keys;
}

void UnorderedMapFind(benchmark::State& state)
{
    std::unordered_map<std::string, std::string> map;
    for (const auto& key : Keys())
        map.emplace(key, Translation(key));
    const auto& keys = LoadedKeys();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(map.find(keys[i]));
        i = (i + 1) % kKeyCount;
    }
}

void LocalizeKeyFound(benchmark::State& state)
{
    const auto& keys = LoadedKeys();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LocalizeKey(keys[i].c_str()));
        i = (i + 1) % kKeyCount;
    }
}

} // namespace

BENCHMARK(UnorderedMapFind);
BENCHMARK(LocalizeKeyFound);

BENCHMARK_MAIN();
