#include "app/HostHeader.h"
#include "app/RunAnnotation.h"
#include "base/CodePage.h"

#include <benchmark/benchmark.h>

// One completion's work without the file: derivation plus every writer stage,
// for a five-line annotation in each frame type.
namespace {

tagler::Lines header()
{
    return {"hq",
            "hk 0",
            "hs 100 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1",
            "hcw 2 2.5 3 4 5 6 7 8 9 10",
            "hch 2 2.5 3 4 5 6 7 8 9 10",
            "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1",
            "hcc      1      1      2      2      3      3      4      4      5      5",
            "hn 0 0 1 1",
            "hp1   136190.26326708 -45574.8870993316",
            "hp2   -40496.8595011236 19256.2733412202",
            "hp3-  -40505.6560883018 -2442.79416456709",
            "lg1",
            "ly4",
            "lc3",
            "lt1",
            "cn3",
            tagler::sjis("cn\"$<ＭＳ ゴシック>"),
            "#"};
}

void completeAnnotation(benchmark::State& state)
{
    tagler::ExchangeState exchange;
    exchange.header = tagler::parseHostHeader(header(), tagler::SessionMode::normal);
    const tagler::FixedClock clock(tagler::parseLocalDateTime("2026-01-01T09:00:00"));
    tagler::AnnotationSettings s;
    s.frameType = static_cast<int>(state.range(0));
    s.tipSymbol = 7;
    s.fillInside = true;
    s.noFrameGap = false;
    const tagler::Lines lines = {tagler::sjis("防火戸 W=1200 H=2000"), "^BSTEEL", "ABC^u2",
                                 tagler::sjis("特定防火設備"), "x"};
    for (auto _ : state) {
        tagler::OutputList out;
        tagler::runAnnotation(exchange, s, lines, clock, out);
        benchmark::DoNotOptimize(out.records().data());
    }
}
BENCHMARK(completeAnnotation)->DenseRange(0, 14);

} // namespace
