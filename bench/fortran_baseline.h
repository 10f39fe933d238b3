// The Fortran runtime side of the timing runs (bench/fortran_rows.f90).
#pragma once

extern "C" {
// Rows of the readings table (16 values each) as 123-character records.
void fortran_readings_rows(const float* values, int nrows, char* out);
// Rows of TABLE 2 (17 values each) as 130-character records.
void fortran_table2_rows(const float* values, int nrows, char* out);
// The same rows written with external WRITE statements to a file opened
// once; each pass rewinds it and writes both tables.
void fortran_open_rows_file(const char* path, int length);
void fortran_file_rows(const float* readings, const float* table2, int nrows);
void fortran_close_rows_file();
// 64-character readings records read with (BN, 8F4.0, 4F8.0), 12 values each.
void fortran_read_readings(const char* text, int nrecords, float* values);
}
