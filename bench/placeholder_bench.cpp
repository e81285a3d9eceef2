#include "model/units.h"

#include <benchmark/benchmark.h>

static void BM_RoundToThousandths(benchmark::State &state)
{
    double v = 2.34567;
    for (auto _ : state)
        benchmark::DoNotOptimize(vendrix::roundToThousandths(v));
}
BENCHMARK(BM_RoundToThousandths);
