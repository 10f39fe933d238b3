// A small chart writer of our own: one x-y chart as deterministic SVG text
// (axes with round tick values, axis titles with units, a legend below the
// plot, polylines and markers clipped to the plot area, a palette that
// colour-blind readers can tell apart). A value that is not finite leaves
// a gap in its curve and is never written.
#pragma once

#include <string>
#include <vector>

namespace dorvane::plot {

enum class Mark { None, Circle, Square, Triangle, Diamond };

struct Series {
    std::string label;   // legend text; empty: not in the legend
    std::string role;    // class of the series' elements (for styling and tests)
    std::vector<double> x, y;
    int colour = 0;      // index into the palette, taken modulo its size
    bool line = true;    // joined by a polyline
    bool dashed = false;
    Mark mark = Mark::None;
};

struct Chart {
    std::string id;       // unique within a page: prefixes the clip path's id
    std::string title;
    std::string x_title;  // with its unit, e.g. "Axial strain (%)"
    std::string y_title;
    // A second scale on the right: the left value times y2_factor (0: none).
    std::string y2_title;
    double y2_factor = 0;
    bool x_from_zero = false;  // the x range includes 0
    bool y_from_zero = false;
    bool equal_scale = false;  // one unit is as long on both axes (Mohr circles)
    std::vector<Series> series;
};

// The palette (Okabe and Ito), strong colours first.
const std::vector<std::string>& palette();

// Round tick values covering [lo, hi]: steps of 1, 2 or 5 times a power of
// ten, the first at or below lo, the last at or above hi.
std::vector<double> nice_ticks(double lo, double hi, int target = 6);

// Text of a tick value with as many decimals as the step needs ("0.5", "20").
std::string tick_text(double v, double step);

// Text made safe inside XML: & < > " escaped, bytes that are no valid UTF-8
// and control characters replaced by '?'.
std::string xml_text(const std::string& s);

// Appends the chart as an <svg> element; standalone adds the XML
// declaration and namespace a file of its own needs.
void append_svg(std::string& out, const Chart& chart, bool standalone);

}  // namespace dorvane::plot
