// All-tests arrays, envelope results and the strength table of the run, and
// the two steps the driver calls: store a test's row, and the end of run.
#pragma once

#include <array>
#include <string>

#include "records/real.h"
#include "records/run_state.h"

namespace dorvane {

class OutputUnit;
struct Readings;

// One all-tests table, 40 tests by 2 result sets, indexed (k, j) from 1 as
// in SIGALL(k,j). Tests past the 40th store nothing (only possible while
// PARREG is 0 or less); they still count in n and read as `beyond`.
struct AllTestsTable {
    std::array<std::array<Real, 3>, kMaxTests + 1> cell{};  // row 0, column 0 unused
    Real beyond;  // value of every row past the 40th

    Real at(int k, int j) const { return k <= kMaxTests ? cell[k][j] : beyond; }
};

// The envelope routine runs a linear pass, then for regression options 4
// and 5 a power-curve pass over the logarithms.
enum class EnvelopePass { Linear, PowerCurve };

struct Envelope {
    AllTestsTable SIGALL;   // (S1+S3)/2, kPa
    AllTestsTable TAUALL;   // (S1-S3)/2, kPa
    AllTestsTable LSIGALL;  // ln SIGALL, power-curve pass only
    AllTestsTable LTAUALL;  // ln TAUALL

    EnvelopePass KPASS = EnvelopePass::Linear;

    // Results per result set j = 1, 2; a pass that does not evaluate one
    // leaves its earlier value.
    std::array<Real, 3> COFCOR{};  // correlation of the linear fit (of ln in the power pass)
    std::array<Real, 3> COFLIN{};  // COFCOR as the linear pass left it (the power pass overwrites COFCOR)
    std::array<Real, 3> PHIZRC{};  // friction angle through the origin, degrees
    std::array<Real, 3> COFZRC{};  // correlation through the origin
    std::array<Real, 3> PHILRG{};  // friction angle of the ordinary fit, degrees
    std::array<Real, 3> COHESN{};  // cohesion of the ordinary fit, kPa
    std::array<Real, 3> BEXPNT{};  // power curve exponent
    std::array<Real, 3> ACONST{};  // power curve coefficient

    // Strength table from the power curve of result set 1: room for 12, 5 used.
    std::array<Real, 13> SIGFOL{};
    std::array<Real, 13> TAUFOL{};
    Real SIGTOP;  // SIG that scales the strength table, kPa
};

// Stores row `test` when PARREG (compared as a real) is positive: column 1
// the effective state at failure, column 2 the ultimate state (report option
// 9, `ultimate` values) or the total state at failure (`total` values).
// A row past the 40th while PARREG is positive throws RunError 98 naming
// input_path. Tests while PARREG is 0 or less store nothing.
void store_result_row(Envelope& env, int test, Real parreg, Real repopt,
                      Real sefkpa_fail, Real tkpa_fail, Real skpa_fail,
                      Real sefkpa_ult, Real tkpa_ult, const std::string& input_path);

// The store step after every test's report lines: row NTEST from the
// failure reading IFAIL and, under report option 9, the ultimate reading IEND.
void store_test_result(const Run& run, const Readings& rd, Envelope& env,
                       const std::string& input_path);

// End of the run: nothing for one test or a regression option of 0 or less;
// else the linear pass (summary of all tests and the selected fit lines), and
// for regression options 4 and 5 the power-curve pass over the logarithms.
void end_of_run(const Run& run, Envelope& env, OutputUnit& rep);

}  // namespace dorvane
