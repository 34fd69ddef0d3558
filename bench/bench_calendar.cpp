// Conversion of date-times to Hijri dates and day arithmetic across
// centuries. Goal: any date between 1900 and 2100 converts in under 200 ns.
#include "calendar/Misri.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FromDateTime(benchmark::State& state) {
    const TDateTime first = EncodeDate(1900, 1, 1);
    const int span = static_cast<int>(EncodeDate(2100, 12, 31) - first);
    int i = 0;
    for (auto _ : state) {
        i = (i + 7919) % span;  // a stride through the whole range
        benchmark::DoNotOptimize(TMisri(first + i));
    }
}
BENCHMARK(BM_FromDateTime);

void BM_ToDateTime(benchmark::State& state) {
    const TMisri d(17, 9, 1520);
    for (auto _ : state)
        benchmark::DoNotOptimize(d.ToDateTime());
}
BENCHMARK(BM_ToDateTime);

void BM_AddDays(benchmark::State& state) {
    const TMisri d(30, 12, 1418);
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(d.AddDays(n));
}
BENCHMARK(BM_AddDays)->Arg(1)->Arg(300)->Arg(36525)->Arg(-36525)->Arg(1000000);

}  // namespace
