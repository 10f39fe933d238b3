// The text of readings.csv, tests.csv and envelope.csv (RFC 4180: fields
// separated by commas, records ended by CR LF, a text holding a comma, a
// double quote or a line end enclosed in double quotes with its quotes
// doubled). A non-finite number or a value that does not apply is an empty
// field. Each function appends to `out`; the caller writes it to the file.
#pragma once

#include <string>

#include "envelope/envelope.h"
#include "export/export_columns.h"

namespace dorvane {

// One field as CSV text (without the separator).
void append_csv_field(std::string& out, const Cell& c);

void append_readings_csv_header(std::string& out);
// One record per reading 1..NREAD of the test.
void append_readings_csv_rows(std::string& out, const TestView& t);

void append_tests_csv_header(std::string& out);
void append_tests_csv_row(std::string& out, const TestView& t);

void append_envelope_csv_header(std::string& out);
// The fits record, then one record per test whose SIG/TAU pairs were
// fitted, then the five records of the strength table (power curve only).
void append_envelope_csv_rows(std::string& out, const Run& run, const Envelope& env);

}  // namespace dorvane
