// Cost of a parametric study on the initial project by the default method, on
// every core: a family of 100 circumferences × 8 creep factors, and 1,000
// circumferences. Counters: solves per second per core, and the time of one
// plain run for comparison.

#include "engine/analysis_run.h"
#include "post/parametric_study.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace vendrix {
namespace {

// Seconds of one plain run of the initial project, averaged over a few runs.
double singleSolveSeconds()
{
    constexpr int kRuns = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRuns; ++i) {
        ProjectRecord record;
        benchmark::DoNotOptimize(runAnalysis(record).passes);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / kRuns;
}

void studyOf(benchmark::State &state, const StudyRequest &request)
{
    const ProjectRecord project;
    size_t points = 0;
    for (auto _ : state) {
        const std::vector<StudyPoint> result = runStudy(project, request);
        points = result.size();
        benchmark::DoNotOptimize(result.back().solution.maxHeight);
    }
    const double cores = std::max(1u, std::thread::hardware_concurrency());
    state.counters["points"] = static_cast<double>(points);
    state.counters["solvesPerSecondPerCore"] = benchmark::Counter(
        static_cast<double>(points) * static_cast<double>(state.iterations()) / cores,
        benchmark::Counter::kIsRate);
    state.counters["singleSolveMs"] = singleSolveSeconds() * 1e3;
    state.counters["cores"] = cores;
}

void BM_StudyFamily100x8(benchmark::State &state)
{
    studyOf(state,
            {{"circumference", rangeValues(6, 16, 100)},
             StudyAxis {"rfCreep", {1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4}},
             kDefaultSolutionMethod});
}
BENCHMARK(BM_StudyFamily100x8)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Study1000Steps(benchmark::State &state)
{
    studyOf(state,
            {{"circumference", rangeValues(6, 16, 1000)}, std::nullopt, kDefaultSolutionMethod});
}
BENCHMARK(BM_Study1000Steps)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace vendrix
