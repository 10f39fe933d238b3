// Runs named on the command line: one input into one report, or several
// inputs each into a report of its own in a folder, with the exports. The
// same run as the dialogue's, without banner or prompts.
#pragma once

#include <string>
#include <vector>

namespace dorvane {

struct BatchRequest {
    std::vector<std::string> inputs;
    std::string report;   // one input into this report (out_dir empty)
    std::string out_dir;  // each input into out_dir/<input stem>.out
    std::string csv_dir;  // CSV exports in this folder (empty: none)
    std::string json;     // JSON export: a file; with out_dir a folder (empty: none)
    std::string html;     // HTML report with charts: a file; with out_dir a folder (empty: none)
    std::string svg_dir;  // SVG charts in this folder; with out_dir DIR/<stem>/ (empty: none)
};

// The 12-character name the report header shows for a path: its base name
// (no folders), cut to 12 characters or padded with blanks.
std::string header_name(const std::string& path);

// Runs every input in order; a failing input does not stop the others. One
// input: its run-time error line on standard error as the dialogue gives it.
// Several (out_dir): "dorvane: INPUT: severe (n): text" per failed input.
// Returns 0 when every run succeeded, else 1.
int run_batch(const BatchRequest& req);

}  // namespace dorvane
