// A lookup that adds many rows to a selection panel whose list is sorted, checks duplicates and
// fits its columns after every row, as a large lookup result does.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "controls/SelectPnl.h"
#include "platform/Forms.h"

namespace {

// Rows in random order, about one in ten a duplicate of an earlier caption in another case.
std::vector<std::vector<std::string>> MakeRows(int count) {
    std::mt19937 random(7);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        char code[32];
        const unsigned key = random() % static_cast<unsigned>(count);
        std::snprintf(code, sizeof code, (i % 10 == 0) ? "c%07u" : "C%07u", key);
        rows.push_back({code, "Customer " + std::to_string(key), std::string(random() % 12, 'x')});
    }
    return rows;
}

void AddRows(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const auto rows = MakeRows(count);
    for (auto _ : state) {
        state.PauseTiming();
        auto* form = znp::Construct<znp::TForm>(nullptr);
        auto* panel = znp::Construct<znp::TSelectPanel>(form);
        panel->SetStyle(znp::TSelectStyle::sp_Discrete);
        panel->SetCheckDuplicate(znp::TCheckDuplicate::cd_CaseInsensitive);
        state.ResumeTiming();
        for (const auto& row : rows) panel->AddRow(row);
        state.PauseTiming();
        benchmark::DoNotOptimize(panel->ListView->ItemCount());
        znp::TObject::Free(form);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

BENCHMARK(AddRows)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A condition scheme restores a panel whose saved value holds a long list: the whole text is cut
// into its rows and columns and the rows are added.
void RestoreSavedList(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::string saved = "sp_Discrete\x03";
    for (const auto& row : MakeRows(count)) saved += row[0] + "\x01" + row[1] + "\x01" + row[2] + "\x04";
    for (auto _ : state) {
        state.PauseTiming();
        auto* form = znp::Construct<znp::TForm>(nullptr);
        auto* panel = znp::Construct<znp::TSelectPanel>(form);
        panel->SetStyle(znp::TSelectStyle::sp_Discrete);
        panel->SetCheckDuplicate(znp::TCheckDuplicate::cd_CaseInsensitive);
        state.ResumeTiming();
        panel->ApplySaveValue(saved);
        state.PauseTiming();
        benchmark::DoNotOptimize(panel->ListView->ItemCount());
        znp::TObject::Free(form);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

BENCHMARK(RestoreSavedList)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
