// The envelope routine: sums, correlation, the fits the regression option
// selects, the strength table, and the summary and envelope lines.
#pragma once

#include "envelope/envelope.h"

namespace dorvane {

class OutputUnit;

// Fits both result sets of tests 1..n (n >= 2) in the pass env.KPASS:
// correlation always; in the linear pass the through-origin fit (options
// 1, 3, 4, 5) and the ordinary fit with cohesion (options 2, 3, 5); in the
// power-curve pass the power curve and the strength table scaled by SIGTOP.
// Results it does not evaluate keep their values. Nothing is guarded:
// degenerate data give NaN or Infinity.
void fit_envelopes(const AllTestsTable& sig, const AllTestsTable& tau, int n, int regopt,
                   Real pi, Envelope& env);

// Writes the lines of the pass env.KPASS: linear pass, the summary heading
// (variant by report option 9 or not), one row per test of sig/tau, the
// through-origin and ordinary lines as the option selects; power-curve pass,
// the power-curve and strength-table lines.
void write_envelope_lines(const AllTestsTable& sig, const AllTestsTable& tau, int n,
                          int regopt, Real repopt, const Envelope& env, OutputUnit& rep);

// Fits, then writes: one run of the routine.
void envelope_routine(const AllTestsTable& sig, const AllTestsTable& tau, int n,
                      const Run& run, Envelope& env, OutputUnit& rep);

}  // namespace dorvane
