// F output editing: the engine against snprintf and the Fortran runtime on
// the same reading-table values. Items are fields.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "fortran_baseline.h"
#include "records/f_editing.h"
#include "records/output_unit.h"
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

// The rows written to a file: the engine's report unit (64 KiB blocks) and
// the Fortran runtime's external WRITE, each file rewound before each pass.
void RowsToFile_Engine(benchmark::State& state) {
    const TableRows& rows = table_rows();
    std::FILE* f = std::tmpfile();
    for (auto _ : state) {
        std::rewind(f);
        OutputUnit unit(6, "/tmp/ROWS.OUT", f);
        for (const ReadingsRow& v : rows.readings)
            unit.write("(F7.2, F9.1, F7.2, F9.3, F7.1, 3F7.1, F7.3, F9.3, 3F8.3, F9.2, F7.2, F7.3)",
                       {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13],
                        v[14], v[15]});
        for (const Table2Row& v : rows.table2)
            unit.write("(F7.3, 2F8.3, F7.3, F7.2, F8.3, F9.3, F8.3, 6F8.3, F7.3, F5.2, F8.2)",
                       {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13],
                        v[14], v[15], v[16]});
    }
    std::fclose(f);
    state.SetItemsProcessed(state.iterations() * kFieldsPerPass);
}
BENCHMARK(RowsToFile_Engine);

void RowsToFile_FortranRC(benchmark::State& state) {
    const TableRows& rows = table_rows();
    std::string path = "/tmp/dorvane_bench_rows_" + std::to_string(::getpid()) + ".txt";
    fortran_open_rows_file(path.data(), static_cast<int>(path.size()));
    for (auto _ : state) fortran_file_rows(rows.readings[0].data(), rows.table2[0].data(), kRows);
    fortran_close_rows_file();
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * kFieldsPerPass);
}
BENCHMARK(RowsToFile_FortranRC);

}  // namespace
}  // namespace dorvane::bench
