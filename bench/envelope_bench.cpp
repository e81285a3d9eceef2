// Cost of the filling envelope: 100 swept pressures, the default range search
// and the safe-limit root search, as the window recomputes it while typing.
// Counter: points per envelope.

#include "post/filling_envelope.h"

#include <benchmark/benchmark.h>

namespace vendrix {
namespace {

void envelopeOf(benchmark::State &state, const TubeInput &input, double maxPressure)
{
    EnvelopeRequest request;
    request.maxPressure = maxPressure;
    size_t points = 0;
    for (auto _ : state) {
        const FillingEnvelope e = computeFillingEnvelope(input, request);
        points = e.points.size();
        benchmark::DoNotOptimize(e.safeLimit.pumpingPressure);
    }
    state.counters["points"] = static_cast<double>(points);
}

void BM_EnvelopeInitialProject(benchmark::State &state)
{
    envelopeOf(state, TubeInput {}, 0);
}
BENCHMARK(BM_EnvelopeInitialProject)->Unit(benchmark::kMillisecond);

void BM_EnvelopeGivenRange(benchmark::State &state)
{
    envelopeOf(state, TubeInput {}, 30);
}
BENCHMARK(BM_EnvelopeGivenRange)->Unit(benchmark::kMillisecond);

// A large submerged tube with one slurry layer.
void BM_EnvelopeLargeTube(benchmark::State &state)
{
    TubeInput in;
    in.circumference = 40;
    in.twoSlurryLayers = false;
    in.slurryUnitWeightUpper = in.slurryUnitWeightLower;
    in.fluidHeightLower = 3;
    in.ultimateStrength = 1600;
    envelopeOf(state, in, 0);
}
BENCHMARK(BM_EnvelopeLargeTube)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vendrix
