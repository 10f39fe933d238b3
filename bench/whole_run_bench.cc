// A whole run held in memory: a generated input of many standard-layout
// tests (DORVANE_BENCH_TESTS, 10000 by default) into its report.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "driver/run_program.h"
#include "standard_input.h"

namespace dorvane::bench {
namespace {

int bench_tests() {
    const char* n = std::getenv("DORVANE_BENCH_TESTS");
    return n ? std::atoi(n) : 10000;
}

void WholeRun_InMemory(benchmark::State& state) {
    static const std::string input = generate_standard_input(bench_tests());
    // One run before the timing sizes the report string, so that the timed
    // runs measure the program, not the string growing to 250 MB.
    static std::string report;
    if (report.empty()) run_in_memory(input, report);
    for (auto _ : state) {
        report.clear();
        if (run_in_memory(input, report) != 0) state.SkipWithError("the run failed");
        benchmark::DoNotOptimize(report.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(report.size()));
    state.counters["tests"] = bench_tests();
    state.counters["report_MB"] = static_cast<double>(report.size()) / 1e6;
}
BENCHMARK(WholeRun_InMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace dorvane::bench
