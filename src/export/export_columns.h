// The vocabulary of the exports: every column of readings.csv and tests.csv
// (and every key of the JSON document) with its unit, and how its value is
// taken from the state the report was written from. The CSV writer and the
// JSON writer both walk these lists, so the two exports say the same.
//
// A name is the report's label (punctuation spelled as in the code: P.P. ->
// PP, .5(DEVS) -> HALF_DEVS) followed by its unit: AXSTRN_pct,
// SIG1C_kgf_cm2, SKPA_kPa. Ratios, codes and counts have no unit suffix.
#pragma once

#include <span>
#include <string_view>

#include "readings/readings.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// The state of one test after its report lines.
struct TestView {
    const Run& run;
    const Specimen& sp;
    const Readings& rd;
};

// One exported value: a stored real, an integer, a text, or nothing (a value
// that does not apply, such as the ultimate reading outside report option 9).
struct Cell {
    enum class Kind { Real, Int, Text, Empty };
    Kind kind = Kind::Empty;
    float f = 0.0f;
    int i = 0;
    std::string_view s;

    Cell() = default;
    Cell(Real r) : kind(Kind::Real), f(r.v) {}
    Cell(int n) : kind(Kind::Int), i(n) {}
    Cell(std::string_view t) : kind(Kind::Text), s(t) {}
};

// A column of readings.csv: the value at reading i of the test.
struct ReadingColumn {
    const char* name;
    Cell (*get)(const TestView&, int i);
};

// A column of tests.csv: one value per test.
struct TestColumn {
    const char* name;
    Cell (*get)(const TestView&);
};

// Columns of tests.csv in groups; the JSON document nests each group under
// its key (the identity group sits at the top of each test object).
struct TestColumnGroup {
    const char* json_key;  // nullptr: the test object itself
    std::span<const TestColumn> columns;
};

// readings.csv: test, TESTNO and reading first, then the reading columns.
std::span<const ReadingColumn> reading_columns();

// tests.csv: the groups in order.
std::span<const TestColumnGroup> test_column_groups();

// General data fields (general data records 1 and 2), also written once for
// the whole run at its end.
std::span<const TestColumn> general_data_columns();

// Layout of the test records: "short", "standard" or "extended".
std::string_view layout_name(const Run& run);

// Report option 9: the ultimate reading is determined and exported.
bool ultimate_reported(const Run& run);

// Which envelope fits the end of the run made: all tests' SIG/TAU pairs are
// fitted for two or more tests and a positive regression option; the
// option selects the fits. A fit that did not run is not exported.
struct FitsRun {
    bool any = false;             // the summary of all tests
    bool through_origin = false;  // COFZRC, PHIZRC
    bool ordinary = false;        // COFCOR, COHESN, PHILRG
    bool power_curve = false;     // COFCOR of the logarithms, ACONST, BEXPNT, strength table
};
FitsRun fits_run(const Run& run);

}  // namespace dorvane
