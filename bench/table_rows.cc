#include "table_rows.h"

#include <cstdio>
#include <random>

#include "fortran_baseline.h"
#include "records/output_unit.h"

namespace dorvane::bench {

const std::array<FieldFormat, 16> kReadingsFormats = {{
    {7, 2}, {9, 1}, {7, 2}, {9, 3}, {7, 1}, {7, 1}, {7, 1}, {7, 1},
    {7, 3}, {9, 3}, {8, 3}, {8, 3}, {8, 3}, {9, 2}, {7, 2}, {7, 3}}};
const std::array<FieldFormat, 17> kTable2Formats = {{
    {7, 3}, {8, 3}, {8, 3}, {7, 3}, {7, 2}, {8, 3}, {9, 3}, {8, 3}, {8, 3},
    {8, 3}, {8, 3}, {8, 3}, {8, 3}, {8, 3}, {7, 3}, {5, 2}, {8, 2}}};

namespace {

// Value ranges of the columns, low and high: cell pressure, duration,
// volume change, pore pressure, codes, dials, strains, stresses, areas,
// corrections and percentages as reduced readings show them.
struct Range { float lo, hi; };
constexpr std::array<Range, 16> kReadingsRanges = {{
    {5, 45}, {0, 3000}, {-6, 6}, {0, 4}, {5, 5}, {0, 1200}, {0, 90}, {0, 1},
    {0, 22}, {-3, 3}, {0, 6}, {0, 3.5f}, {0, 8}, {30, 50}, {0, 4}, {1, 5}}};
constexpr std::array<Range, 17> kTable2Ranges = {{
    {0, 22}, {0, 9}, {0, 0.2f}, {0, 9}, {-2, 80}, {0, 4}, {0, 0.1f}, {0, 4}, {0, 0.1f},
    {0, 0.1f}, {-5, 5}, {-1, 8}, {-1, 4}, {0, 3}, {0, 0.3f}, {0, 9.9f}, {0, 30}}};

template <size_t N>
std::vector<std::array<float, N>> random_rows(const std::array<Range, N>& ranges, std::mt19937& rng) {
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    std::vector<std::array<float, N>> rows(kRows);
    for (auto& row : rows)
        for (size_t k = 0; k < N; ++k) {
            row[k] = ranges[k].lo + (ranges[k].hi - ranges[k].lo) * u(rng);
        }
    return rows;
}

}  // namespace

const TableRows& table_rows() {
    static const TableRows rows = [] {
        std::mt19937 rng(2006);
        TableRows r;
        r.readings = random_rows(kReadingsRanges, rng);
        for (ReadingsRow& row : r.readings) row[7] = row[7] < 0.5f ? 0.0f : 1.0f;  // PARA3 is 0 or 1
        r.table2 = random_rows(kTable2Ranges, rng);
        return r;
    }();
    return rows;
}

void write_rows_engine(const TableRows& rows, std::string& out) {
    OutputUnit unit(&out);
    for (const ReadingsRow& v : rows.readings)
        unit.write("(F7.2, F9.1, F7.2, F9.3, F7.1, 3F7.1, F7.3, F9.3, 3F8.3, F9.2, F7.2, F7.3)",
                   {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13],
                    v[14], v[15]});
    for (const Table2Row& v : rows.table2)
        unit.write("(F7.3, 2F8.3, F7.3, F7.2, F8.3, F9.3, F8.3, 6F8.3, F7.3, F5.2, F8.2)",
                   {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13],
                    v[14], v[15], v[16]});
}

void write_rows_snprintf(const TableRows& rows, std::string& out) {
    char line[160];
    for (const ReadingsRow& v : rows.readings) {
        int n = std::snprintf(line, sizeof line,
                              "%7.2f%9.1f%7.2f%9.3f%7.1f%7.1f%7.1f%7.1f%7.3f%9.3f%8.3f%8.3f%8.3f%9.2f%7.2f%7.3f\r\n",
                              v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12],
                              v[13], v[14], v[15]);
        out.append(line, static_cast<size_t>(n));
    }
    for (const Table2Row& v : rows.table2) {
        int n = std::snprintf(
            line, sizeof line,
            "%7.3f%8.3f%8.3f%7.3f%7.2f%8.3f%9.3f%8.3f%8.3f%8.3f%8.3f%8.3f%8.3f%8.3f%7.3f%5.2f%8.2f\r\n", v[0], v[1],
            v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15], v[16]);
        out.append(line, static_cast<size_t>(n));
    }
}

void write_rows_fortran(const TableRows& rows, std::string& out) {
    // Both tables in one call each; the runtime writes 123- and 130-character
    // records, the line ends are added here as the engine adds them.
    static std::string block;
    block.resize(rows.readings.size() * 130);
    fortran_readings_rows(rows.readings[0].data(), static_cast<int>(rows.readings.size()), block.data());
    for (size_t i = 0; i < rows.readings.size(); ++i) out.append(block, i * 123, 123).append("\r\n");
    fortran_table2_rows(rows.table2[0].data(), static_cast<int>(rows.table2.size()), block.data());
    for (size_t i = 0; i < rows.table2.size(); ++i) out.append(block, i * 130, 130).append("\r\n");
}

}  // namespace dorvane::bench
