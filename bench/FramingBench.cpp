#include "BenchSelection.h"
#include "app/HostHeader.h"
#include "app/RunAnnotation.h"
#include "base/CodePage.h"

#include <benchmark/benchmark.h>

// Frames around a selection of N handed-over texts: one around all (T2) and one each (T3).
// The cost per text should not grow with the selection.
namespace {

tagler::ExchangeState selection(tagler::SessionMode mode, int texts)
{
    tagler::Lines l = tagler::bench::selectionLines(texts);
    tagler::ExchangeState x;
    x.mode = mode;
    x.header = tagler::parseHostHeader(l, mode);
    x.exchangeLines = std::move(l);
    return x;
}

void frameSelection(benchmark::State& state, tagler::SessionMode mode, int frameType)
{
    const int texts = static_cast<int>(state.range(0));
    const tagler::ExchangeState x = selection(mode, texts);
    tagler::AnnotationSettings s;
    s.frameType = frameType;
    s.fillInside = true;
    const tagler::FixedClock clock(tagler::parseLocalDateTime("2026-01-01T09:00:00"));
    for (auto _ : state) {
        tagler::OutputList out;
        tagler::runAnnotation(x, s, {}, clock, out);
        benchmark::DoNotOptimize(out.records().data());
    }
    state.SetItemsProcessed(state.iterations() * texts);
}

void aroundAll(benchmark::State& state) { frameSelection(state, tagler::SessionMode::frameWrite1, 2); }
void eachBox(benchmark::State& state) { frameSelection(state, tagler::SessionMode::frameWrite2, 2); }
void eachCloud(benchmark::State& state) { frameSelection(state, tagler::SessionMode::frameWrite2, 11); }

BENCHMARK(aroundAll)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(eachBox)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(eachCloud)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
