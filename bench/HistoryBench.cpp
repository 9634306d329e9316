#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "history/HistoryStore.h"

namespace {

// `count` lines "2026000001 03 07 01 11 05", issues counting up, the numbers
// varied so that no two neighbouring lines are alike.
std::string drawLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(2026000001 + i);
        for (int k = 0; k < 5; ++k) {
            const int number = (i + k * 2) % 11 + 1;
            text += number < 10 ? " 0" : " ";
            text += std::to_string(number);
        }
        text += '\n';
    }
    return text;
}

// An import of 100,000 pasted lines into a new history file in a temporary
// folder: reading the text, one transaction of prepared inserts, the commit
// to disk. Opening (creating) the file is not timed.
void BM_HistoryImportIntoNewFile(benchmark::State& state) {
    const std::string text = drawLines(static_cast<int>(state.range(0)));
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
    const std::filesystem::path folder = ::mkdtemp(pattern.data());
    for (auto _ : state) {
        const std::string path = (folder / "history.sqlite").string();
        std::filesystem::remove(path);
        history::HistoryStore store(path);
        const auto start = std::chrono::steady_clock::now();
        const auto report = store.importText("广东11选5", text);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (report.imported != state.range(0)) state.SkipWithError(importSummary(report).c_str());
        state.SetIterationTime(took.count());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_HistoryImportIntoNewFile)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
