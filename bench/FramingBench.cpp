#include "app/HostHeader.h"
#include "app/RunAnnotation.h"
#include "base/CodePage.h"

#include <benchmark/benchmark.h>

// Frames around a selection of N handed-over texts: one around all (T2) and one each (T3).
// The cost per text should not grow with the selection.
namespace {

tagler::ExchangeState selection(tagler::SessionMode mode, int texts)
{
    tagler::Lines l = {"hq",
                       "hk 0",
                       "hs 1 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1",
                       "hcw 2 2.5 3 4 5 6 7 8 9 10",
                       "hch 2 2.5 3 4 5 6 7 8 9 10",
                       "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1",
                       "hcc      1      1      2      2      3      3      4      4      5      5",
                       "hn 0 0 1 1",
                       "lg1",
                       "ly4",
                       "lc3",
                       "lt1",
                       "cn3",
                       tagler::sjis("cn\"$<ＭＳ ゴシック>"),
                       "#"};
    for (int i = 0; i < texts; ++i) {
        const double x = (i % 100) * 40.0, y = (i / 100) * 12.0;
        if (i % 50 == 0)
            l.push_back("cn" + std::to_string(1 + i % 10));
        if (i % 7 == 0)
            l.push_back("cc" + std::to_string(i % 9));
        const bool turned = i % 3 == 0, reversed = i % 11 == 0;
        l.push_back("ch " + std::to_string(x) + " " + std::to_string(y) + " " + (reversed ? "-24" : "24") + " " +
                    (turned ? "8" : "0") + " \"" + tagler::sjis("防火戸 FD-") + std::to_string(i));
    }
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
