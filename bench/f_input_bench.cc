// F input editing over the fields of readings records, and whole readings
// records read through the engine and through the Fortran runtime.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "records/f_editing.h"
#include "records/input_unit.h"
#include "fortran_baseline.h"
#include "standard_input.h"

namespace dorvane::bench {
namespace {

constexpr int kRecords = 1024;
constexpr int kFieldsPerRecord = 12;

// Readings records of generated tests, each padded to its 64 columns.
const std::vector<std::string>& readings_records() {
    static const std::vector<std::string> records = [] {
        std::string text = generate_standard_input(kRecords / 80 + 1, 7);
        std::vector<std::string> lines;
        size_t pos = 0;
        while (pos < text.size()) {
            size_t end = text.find('\n', pos);
            std::string line = text.substr(pos, end - pos);
            pos = end + 1;
            // A readings record holds a cell pressure in columns 1-4 and is
            // 64 columns long; the specimen records are 72 or shorter.
            if (line.size() == 64 && line[1] == '.') lines.push_back(line);
        }
        lines.resize(kRecords);
        return lines;
    }();
    return records;
}

void FInput_Engine(benchmark::State& state) {
    // The (8F4.0, 4F8.0) fields, cut as the engine cuts them.
    std::vector<std::string_view> fields;
    for (const std::string& r : readings_records()) {
        for (int k = 0; k < 8; ++k) fields.push_back(std::string_view(r).substr(static_cast<size_t>(4 * k), 4));
        for (int k = 0; k < 4; ++k) fields.push_back(std::string_view(r).substr(static_cast<size_t>(32 + 8 * k), 8));
    }
    for (auto _ : state) {
        for (std::string_view f : fields) {
            float v;
            benchmark::DoNotOptimize(edit_f_input(f, 0, v));
            benchmark::DoNotOptimize(v);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(fields.size()));
}
BENCHMARK(FInput_Engine);

void Records_Engine(benchmark::State& state) {
    std::string text;
    for (const std::string& r : readings_records()) text += r + "\r\n";
    Real v[kFieldsPerRecord];
    for (auto _ : state) {
        InputUnit in(5, "/BENCH.DAT", text);
        for (int i = 0; i < kRecords; ++i)
            in.read("(8F4.0, 4F8.0)", {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]});
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(state.iterations() * kRecords * kFieldsPerRecord);
}
BENCHMARK(Records_Engine);

void Records_FortranBN(benchmark::State& state) {
    std::string text;
    for (const std::string& r : readings_records()) text += r;
    std::vector<float> values(kRecords * kFieldsPerRecord);
    for (auto _ : state) {
        fortran_read_readings(text.data(), kRecords, values.data());
        benchmark::DoNotOptimize(values.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords * kFieldsPerRecord);
}
BENCHMARK(Records_FortranBN);

}  // namespace
}  // namespace dorvane::bench
