#include "base/Number.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

// Every number of every record goes through formatNumber, so its cost per call
// is most of the writer's time. One value per iteration: the time is ns/call.
namespace {

// Coordinates, lengths and angles as a drawing of 1/1 to 1/500 produces them.
std::vector<float> drawingValues()
{
    std::mt19937 random(20260101);
    std::uniform_real_distribution<double> coordinate(-150000, 150000), length(0.01, 500), angle(-180, 180);
    std::vector<float> values;
    for (int i = 0; i < 1024; ++i) {
        switch (i % 4) {
        case 0:
        case 1: values.push_back(static_cast<float>(coordinate(random))); break;
        case 2: values.push_back(static_cast<float>(length(random))); break;
        default: values.push_back(static_cast<float>(angle(random))); break;
        }
    }
    return values;
}

// Any magnitude a float holds, so about half are written with an exponent.
std::vector<float> anyMagnitudeValues()
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-44, 37);
    std::vector<float> values;
    for (int i = 0; i < 1024; ++i)
        values.push_back(static_cast<float>((i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random))));
    return values;
}

void format(benchmark::State& state, const std::vector<float>& values)
{
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = tagler::formatNumber(values[i++ & 1023]);
        benchmark::DoNotOptimize(text.data());
    }
}

void formatDrawingNumber(benchmark::State& state) { format(state, drawingValues()); }
void formatAnyMagnitude(benchmark::State& state) { format(state, anyMagnitudeValues()); }
BENCHMARK(formatDrawingNumber);
BENCHMARK(formatAnyMagnitude);

} // namespace
