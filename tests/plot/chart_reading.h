// Reading the chart outputs back in tests: attributes of the written
// elements, CSV records of the exports, pixels taken back to values.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../driver/program_runner.h"

namespace dorvane::testing {

inline size_t count(const std::string& s, const std::string& part) {
    size_t n = 0;
    for (size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1)) ++n;
    return n;
}

// The value of attribute name in the first element at or after `from`.
inline std::string attribute(const std::string& s, size_t from, const std::string& name) {
    const size_t at = s.find(" " + name + "=\"", from);
    if (at == std::string::npos) return "";
    const size_t begin = at + name.size() + 3;
    return s.substr(begin, s.find('"', begin) - begin);
}

// One CSV record (quoted fields with doubled quotes, no line ends inside).
inline std::vector<std::string> csv_fields(const std::string& line) {
    std::vector<std::string> f(1);
    bool quoted_field = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted_field) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') f.back() += '"', ++i;
            else if (c == '"') quoted_field = false;
            else f.back() += c;
        } else if (c == '"') quoted_field = true;
        else if (c == ',') f.emplace_back();
        else if (c != '\r') f.back() += c;
    }
    return f;
}

// The records of a CSV file as maps from column name to field.
inline std::vector<std::map<std::string, std::string>> csv_records(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> names = csv_fields(line);
    std::vector<std::map<std::string, std::string>> records;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = csv_fields(line);
        std::map<std::string, std::string> r;
        for (size_t i = 0; i < names.size() && i < f.size(); ++i) r[names[i]] = f[i];
        records.push_back(r);
    }
    return records;
}

// The plot area of a chart and its data range, as the chart wrote them.
struct Mapping {
    double x0, x1, y0, y1, left, top, width, height;
    double x(double px) const { return x0 + (px - left) / width * (x1 - x0); }
    double y(double py) const { return y0 + (top + height - py) / height * (y1 - y0); }
    double x_tolerance() const { return (x1 - x0) / width * 0.006; }  // the written 0.01 px
    double y_tolerance() const { return (y1 - y0) / height * 0.006; }
};

inline Mapping mapping_at(const std::string& dom, size_t plot) {
    auto d = [&](const char* name) { return std::stod(attribute(dom, plot, name)); };
    return {d("data-x0"), d("data-x1"), d("data-y0"), d("data-y1"),
            d("data-left"), d("data-top"), d("data-width"), d("data-height")};
}

// The points of the first polyline at or after `from`, as values.
inline std::vector<std::pair<double, double>> polyline_values(const std::string& s, size_t from,
                                                              const Mapping& m) {
    std::vector<std::pair<double, double>> points;
    std::istringstream in(attribute(s, s.find("<polyline", from), "points"));
    std::string pair;
    while (in >> pair) {
        const size_t comma = pair.find(',');
        points.emplace_back(m.x(std::stod(pair.substr(0, comma))), m.y(std::stod(pair.substr(comma + 1))));
    }
    return points;
}

}  // namespace dorvane::testing
