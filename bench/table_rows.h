// The rows the reading tables print, as the timing runs use them: values in
// the ranges of reduced readings, and the same rows written three ways.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace dorvane::bench {

using ReadingsRow = std::array<float, 16>;  // one row of the readings table
using Table2Row = std::array<float, 17>;    // one row of TABLE 2

// Widths and decimals of the two row layouts, field by field.
struct FieldFormat { int w, d; };
extern const std::array<FieldFormat, 16> kReadingsFormats;
extern const std::array<FieldFormat, 17> kTable2Formats;

struct TableRows {
    std::vector<ReadingsRow> readings;
    std::vector<Table2Row> table2;
};

// n rows of each table, the same for every call.
const TableRows& table_rows();
constexpr int kRows = 1024;

// The rows written by the record engine, by snprintf and by the Fortran
// runtime, records ended by CR LF.
void write_rows_engine(const TableRows& rows, std::string& out);
void write_rows_snprintf(const TableRows& rows, std::string& out);
void write_rows_fortran(const TableRows& rows, std::string& out);

}  // namespace dorvane::bench
