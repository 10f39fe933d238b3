// Checks of one record against the fields a READ took from it: what a
// hand-typed file shows when a number slipped out of its columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dorvane {

// A field as the explainer names it: columns 0-based, width as taken.
struct NamedField {
    std::string name;
    int first = 0;
    int width = 0;
};

// A finding about one record: the field it concerns and what it says.
struct RecordFinding {
    std::string field;
    std::string text;
};

// "columns 17-20" for a field (1-based, as the laboratory counts them).
std::string columns_of(int first, int width);

// True for a line that holds nothing but blanks (read as a record of zeros).
bool blank_record(std::string_view record);

// A run of characters that crosses a field boundary, unless each piece is a
// whole number of its own and each piece after the first carries its own
// decimal point (as when a one-digit code touches the next value: "10.48"
// read as 1 and 0.48). Also a run that reaches into columns no field takes.
std::vector<RecordFinding> boundary_findings(std::string_view record,
                                             const std::vector<NamedField>& fields);

// Digits and letters in columns that no field of the READ takes.
std::vector<RecordFinding> ignored_column_findings(std::string_view record,
                                                   const std::vector<NamedField>& fields);

// Letters inside the fields of a numeric record (other than an exponent).
std::vector<RecordFinding> letter_findings(std::string_view record,
                                           const std::vector<NamedField>& fields);

// A title line that holds nothing but numbers (two or more of them).
bool title_reads_as_numbers(std::string_view record);

// A record whose numbers each sit alone and flush right in a field of
// width w (count fields from column 1), as a test's specimen records are
// typed, while a number crosses a boundary of the fields actually taken.
bool reads_as_fixed_record(std::string_view record, int width, int count,
                           const std::vector<NamedField>& taken);

}  // namespace dorvane
