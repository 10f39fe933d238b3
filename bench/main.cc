// The timing runs. Before timing, the three writers of the table rows are
// compared on the benchmark's values: the number of rows that differ from
// the engine's goes into the run's context.
#include <benchmark/benchmark.h>

#include <string>

#include "table_rows.h"

namespace {

std::string rows_differing(void (*write_rows)(const dorvane::bench::TableRows&, std::string&)) {
    using namespace dorvane::bench;
    std::string engine, other;
    write_rows_engine(table_rows(), engine);
    write_rows(table_rows(), other);
    int differing = 0, total = 0;
    size_t a = 0, b = 0;
    while (a < engine.size() && b < other.size()) {
        size_t ea = engine.find('\n', a), eb = other.find('\n', b);
        differing += engine.compare(a, ea - a, other, b, eb - b) != 0;
        ++total;
        a = ea + 1, b = eb + 1;
    }
    return std::to_string(differing) + " of " + std::to_string(total);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::AddCustomContext("rows_differing_fortran_rc", rows_differing(dorvane::bench::write_rows_fortran));
    benchmark::AddCustomContext("rows_differing_snprintf", rows_differing(dorvane::bench::write_rows_snprintf));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
