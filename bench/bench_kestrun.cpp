// A year of prayer times for one place, as the diary computes a year view:
// GetTimes and GetSalaatTimings for each of 365 days. Goal: under 5 ms.
#include "kestrun/kestrun32.h"

#include <benchmark/benchmark.h>

namespace {

struct Place {
    float lat, lon, tz;
};

void year_of_times(benchmark::State& state, Place p) {
    for (auto _ : state) {
        double sum = 0;
        for (int d = 1; d <= 365; ++d) {
            TSunTimes sun;
            GetTimes(d, 1, 2026, p.lat, p.lon, p.tz, &sun);  // day d of January: day arithmetic
            TPrayerTimes t;
            GetSalaatTimings(&sun, &t);
            sum += t[0] + t[5];
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 365);
}

BENCHMARK_CAPTURE(year_of_times, karachi, Place{24.86f, 67.01f, 5})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(year_of_times, london, Place{51.51f, -0.13f, 0})->Unit(benchmark::kMillisecond);
// Midnight sun and polar night: the nearest latitude with sunrise and sunset is searched for.
BENCHMARK_CAPTURE(year_of_times, tromso, Place{69.65f, 18.96f, 1})->Unit(benchmark::kMillisecond);

}  // namespace
