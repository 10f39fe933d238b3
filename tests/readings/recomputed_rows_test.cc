// The reading tables of whole input files against rows recomputed by
// tools/recompute_readings.py (single precision in Python, independent of
// this code): every layout, seating correction, shear planes, every
// pore-pressure device code, cell-fluid corrections.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "readings/readings_intake.h"
#include "readings/reduce_reading.h"
#include "records/input_file.h"
#include "report/reading_tables.h"
#include "specimen/apparatus.h"
#include "specimen/specimen_state.h"

namespace dorvane {
namespace {

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// "test N" and the rows of both tables of every test, as the tool prints them.
std::string table_rows_of_run(const std::string& input) {
    dorvane::Run run;
    Specimen sp;
    Readings r;
    InputUnit in(5, "/data/IN.DAT", input);
    std::string discarded;
    OutputUnit sink(&discarded);
    std::string rows;
    InputLayout layout = read_general_data(run, in, sink);
    for (int test = 1;; ++test) {
        bool titles = true;
        for (int k = 0; k < 3 && titles; ++k) titles = read_title_line(run, layout, in, sink);
        if (!titles) break;
        switch (layout) {
            case InputLayout::Short: read_short_records(run.in, in); break;
            case InputLayout::Standard: read_standard_records(run.in, in); break;
            case InputLayout::Extended: read_extended_records(run.in, in); break;
        }
        settle_apparatus(run, sp);
        prepare_specimen(run, sp, r);
        read_readings(run, sp, r, in);
        reduce_readings(run, sp, r);
        std::string tables;
        {
            OutputUnit rep(&tables);
            write_reading_tables(run, sp, r, rep);
            rep.flush();
        }
        rows += "test " + std::to_string(test) + "\n";
        std::istringstream lines(tables);
        std::string line;
        for (int k = 0; std::getline(lines, line); ++k) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const bool heading = k < 3 || (k >= 3 + sp.NREAD && k < 7 + sp.NREAD);
            if (!heading) rows += line + "\n";
        }
        layout = run.EXTFLG > 8 ? InputLayout::Extended
                 : run.in.MODE >= 7 ? InputLayout::Standard
                                    : InputLayout::Short;
    }
    return rows;
}

class RecomputedRows : public testing::TestWithParam<const char*> {};

TEST_P(RecomputedRows, MatchTheIndependentRecomputation) {
    const std::string base = std::string(DORVANE_TEST_DATA) + "/readings/" + GetParam();
    const std::string want = slurp(base + ".rows");
    ASSERT_FALSE(want.empty());
    EXPECT_EQ(table_rows_of_run(slurp(base + ".dat")), want);
}

INSTANTIATE_TEST_SUITE_P(Files, RecomputedRows, testing::Values("std", "short", "ext"));

}  // namespace
}  // namespace dorvane
