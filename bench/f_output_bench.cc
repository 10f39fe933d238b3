// F output editing: the engine against snprintf and the Fortran runtime on
// the same reading-table values. Items are fields.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "records/f_editing.h"
#include "table_rows.h"

namespace dorvane::bench {
namespace {

constexpr int64_t kFieldsPerPass = kRows * (16 + 17);

// One field at a time, straight into a row buffer.
void FEdit_Engine(benchmark::State& state) {
    const TableRows& rows = table_rows();
    char line[160];
    for (auto _ : state) {
        for (const ReadingsRow& v : rows.readings) {
            char* p = line;
            for (size_t k = 0; k < v.size(); ++k) {
                edit_f_output(p, v[k], kReadingsFormats[k].w, kReadingsFormats[k].d);
                p += kReadingsFormats[k].w;
            }
            benchmark::DoNotOptimize(line);
        }
        for (const Table2Row& v : rows.table2) {
            char* p = line;
            for (size_t k = 0; k < v.size(); ++k) {
                edit_f_output(p, v[k], kTable2Formats[k].w, kTable2Formats[k].d);
                p += kTable2Formats[k].w;
            }
            benchmark::DoNotOptimize(line);
        }
    }
    state.SetItemsProcessed(state.iterations() * kFieldsPerPass);
}
BENCHMARK(FEdit_Engine);

void FEdit_Snprintf(benchmark::State& state) {
    const TableRows& rows = table_rows();
    char line[200];
    for (auto _ : state) {
        for (const ReadingsRow& v : rows.readings) {
            char* p = line;
            for (size_t k = 0; k < v.size(); ++k)
                p += std::snprintf(p, 20, "%*.*f", kReadingsFormats[k].w, kReadingsFormats[k].d, v[k]);
            benchmark::DoNotOptimize(line);
        }
        for (const Table2Row& v : rows.table2) {
            char* p = line;
            for (size_t k = 0; k < v.size(); ++k)
                p += std::snprintf(p, 20, "%*.*f", kTable2Formats[k].w, kTable2Formats[k].d, v[k]);
            benchmark::DoNotOptimize(line);
        }
    }
    state.SetItemsProcessed(state.iterations() * kFieldsPerPass);
}
BENCHMARK(FEdit_Snprintf);

// Whole rows: the engine's WRITE with the tables' layouts into a report held
// in memory, one snprintf per row, one Fortran WRITE per row.
template <void (*write_rows)(const TableRows&, std::string&)>
void Rows(benchmark::State& state) {
    const TableRows& rows = table_rows();
    std::string out;
    out.reserve(kRows * 2 * 140);
    for (auto _ : state) {
        out.clear();
        write_rows(rows, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * kFieldsPerPass);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(out.size()));
}
BENCHMARK(Rows<write_rows_engine>)->Name("Rows_Engine");
BENCHMARK(Rows<write_rows_snprintf>)->Name("Rows_Snprintf");
BENCHMARK(Rows<write_rows_fortran>)->Name("Rows_FortranRC");

}  // namespace
}  // namespace dorvane::bench
