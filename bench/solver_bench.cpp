// Cost of the tube solver: each objective on the initial project and on a
// sweep of realistic tubes, by both solution methods (method 0 exact, 1
// classic). Counters: passes per solve and time per pass.

#include "engine/classic_run.h"
#include "engine/exact_solver.h"
#include "engine/reduction_factors.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace vendrix {
namespace {

// One solve by either method, with its input prepared as the run prepares it.
struct BenchCase
{
    SolutionMethod method = SolutionMethod::Exact;
    SolverInput classic;
    LayeringZones zones;
    ExactRequest exact;
    double circumference = 0; // m
    double pressure = 0; // kPa
};

BenchCase benchCase(const TubeInput &in, SolutionMethod method)
{
    BenchCase c;
    c.method = method;
    c.classic = buildSolverInput(in);
    c.zones = layeringZones(enteredLayering(in));
    c.exact = {in.analysisType, in.circumference,
               in.ultimateStrength / reductionFactorProducts(in).circumferential,
               in.desiredMaxHeight, in.pumpingPressure};
    c.circumference = in.circumference;
    c.pressure = in.pumpingPressure;
    return c;
}

// Solves the case; returns the passes and the total area (to keep the work).
struct Solved
{
    long passes = 0;
    double area = 0;
};

Solved solveCase(const BenchCase &c)
{
    if (c.method == SolutionMethod::Classic) {
        SolverOutput out;
        solveTube(c.classic, out);
        return {out.passes, out.totalAreaFt2};
    }
    ExactSolution out;
    solveTubeExact(c.zones, c.exact, out);
    return {out.passes, out.results.totalArea};
}

// Circumference 3-60 m, pumping pressure 0-60 kPa, heights up to 0.95 of the
// ideal diameter, one and two slurry layers, with and without outside water.
std::vector<BenchCase> realisticSweep(AnalysisType objective, SolutionMethod method)
{
    std::vector<BenchCase> inputs;
    for (double circumference : {3.0, 6.0, 10.0, 20.0, 40.0, 60.0}) {
        const double diameter = circumference * kRunDiameterPerCircumference;
        for (int layers : {1, 2}) {
            for (bool water : {true, false}) {
                for (double share : {0.2, 0.5, 1.0, 2.0}) {
                    TubeInput in;
                    in.analysisType = objective;
                    in.circumference = circumference;
                    in.twoSlurryLayers = layers == 2 ? 1 : 0;
                    if (layers == 1)
                        in.slurryUnitWeightUpper = in.slurryUnitWeightLower;
                    in.slurryHeightLower = 0.3 * diameter;
                    in.fluidHeightLower = water ? 0.5 * diameter : 0.0;
                    if (!water)
                        in.fluidUnitWeightUpper = 0;
                    // A similar tube needs a strength that grows with the
                    // square of its size.
                    in.ultimateStrength = 100 * share * (circumference / 10) * (circumference / 10);
                    in.desiredMaxHeight = std::min(0.95, 0.3 + 0.2 * share) * diameter;
                    in.pumpingPressure = std::min(60.0, 30 * share) * (share < 0.3 ? 0 : 1);
                    inputs.push_back(benchCase(in, method));
                }
            }
        }
    }
    return inputs;
}

// passes: passes run by one iteration; solves: solver calls of one iteration.
void reportPasses(benchmark::State &state, long passes, long solves)
{
    state.counters["passes_per_solve"] = static_cast<double>(passes) / static_cast<double>(solves);
    // Seconds per pass (shown with its unit).
    state.counters["time_per_pass"]
        = benchmark::Counter(static_cast<double>(passes) * static_cast<double>(state.iterations()),
                             benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

SolutionMethod methodOf(const benchmark::State &state)
{
    return state.range(1) == 0 ? SolutionMethod::Exact : SolutionMethod::Classic;
}

// Every objective by both methods.
void objectivesAndMethods(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"objective", "method"});
    for (int method : {0, 1})
        for (int objective : {0, 1, 2})
            b->Args({objective, method});
}

void BM_SolveTubeInitialProject(benchmark::State &state)
{
    TubeInput in;
    in.analysisType = static_cast<AnalysisType>(state.range(0));
    const BenchCase input = benchCase(in, methodOf(state));
    Solved out;
    for (auto _ : state) {
        out = solveCase(input);
        benchmark::DoNotOptimize(out.area);
    }
    reportPasses(state, out.passes, 1);
}
BENCHMARK(BM_SolveTubeInitialProject)->Apply(objectivesAndMethods)->Unit(benchmark::kMicrosecond);

void BM_SolveTubeSweep(benchmark::State &state)
{
    const std::vector<BenchCase> inputs
        = realisticSweep(static_cast<AnalysisType>(state.range(0)), methodOf(state));
    long passes = 0;
    long slowest = 0;
    for (auto _ : state) {
        passes = 0;
        for (const BenchCase &input : inputs) {
            const Solved out = solveCase(input);
            benchmark::DoNotOptimize(out.area);
            passes += out.passes;
            slowest = std::max(slowest, out.passes);
        }
    }
    const long solves = static_cast<long>(inputs.size());
    reportPasses(state, passes, solves);
    state.counters["solves"] = static_cast<double>(solves);
    state.counters["max_passes"] = static_cast<double>(slowest);
}
BENCHMARK(BM_SolveTubeSweep)->Apply(objectivesAndMethods)->Unit(benchmark::kMillisecond);

// The input that needs the most passes.
BenchCase slowestOf(const std::vector<BenchCase> &inputs)
{
    BenchCase slowest = inputs.front();
    long most = 0;
    for (const BenchCase &input : inputs) {
        const Solved out = solveCase(input);
        if (out.passes > most) {
            most = out.passes;
            slowest = input;
        }
    }
    return slowest;
}

// Times one input solved again and again.
void solveRepeatedly(benchmark::State &state, const BenchCase &input)
{
    Solved out;
    for (auto _ : state) {
        out = solveCase(input);
        benchmark::DoNotOptimize(out.area);
    }
    reportPasses(state, out.passes, 1);
}

// The sweep's tube that needs the most passes, solved on its own.
void BM_SolveTubeSlowestOfSweep(benchmark::State &state)
{
    solveRepeatedly(
        state,
        slowestOf(realisticSweep(static_cast<AnalysisType>(state.range(0)), methodOf(state))));
}
BENCHMARK(BM_SolveTubeSlowestOfSweep)->Apply(objectivesAndMethods)->Unit(benchmark::kMillisecond);

// The slowest given-pressure solve over a fine grid of circumference (3-60 m
// by 1 m) and pumping pressure (0-60 kPa by 1 kPa).
void BM_SolveTubeGivenPressureSlowest(benchmark::State &state)
{
    std::vector<BenchCase> grid;
    for (int circumference = 3; circumference <= 60; ++circumference) {
        for (int pressure = 0; pressure <= 60; ++pressure) {
            TubeInput in;
            in.analysisType = AnalysisType::GivenPressure;
            in.circumference = circumference;
            in.pumpingPressure = pressure;
            grid.push_back(benchCase(in, methodOf(state)));
        }
    }
    const BenchCase slowest = slowestOf(grid);
    solveRepeatedly(state, slowest);
    state.counters["circumference_m"] = slowest.circumference;
    state.counters["pressure_kPa"] = slowest.pressure;
}
BENCHMARK(BM_SolveTubeGivenPressureSlowest)
    ->ArgNames({"unused", "method"})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vendrix
