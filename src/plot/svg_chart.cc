#include "plot/svg_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace dorvane::plot {

namespace {

constexpr double kWidth = 640;
constexpr double kLeft = 72;
constexpr double kTop = 40;
constexpr double kPlotHeight = 300;
constexpr double kLegendRow = 18;
constexpr double kPixelLimit = 1e5;  // a wild value stays a short number, clipped away

// Fixed formatting, so the same chart gives the same bytes; never "-0".
std::string fixed(double v, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    std::string s = text;
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string px(double v) { return fixed(std::clamp(v, -kPixelLimit, kPixelLimit), 2); }

std::string exact(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g", v);
    return text;
}

double nice_step(double range, int target) {
    const double raw = range / target;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / mag;
    const double nice = f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10;
    return nice * mag;
}

// Multiples of step from the one at or below lo to the one at or above hi.
std::vector<double> ticks_of(double lo, double hi, double step) {
    std::vector<double> t;
    const double first = std::floor(lo / step + 1e-9);
    const double last = std::ceil(hi / step - 1e-9);
    for (double k = first; k <= last && t.size() < 200; k += 1) t.push_back(k * step);
    return t;
}

struct Range {
    double lo = INFINITY, hi = -INFINITY;
    void take(double v) {
        if (!std::isfinite(v)) return;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    bool empty() const { return lo > hi; }
};

// Axis range, tick values and their step.
struct Scale {
    double lo = 0, hi = 1, step = 1;
    std::vector<double> ticks;
};

Scale scale_of(Range r, bool from_zero) {
    if (r.empty()) r = Range{0, 1};
    if (from_zero) r.take(0);
    if (r.hi - r.lo < 1e-12 * std::max(1.0, std::fabs(r.hi))) {
        const double pad = r.hi == 0 ? 1 : std::fabs(r.hi) * 0.1;
        r.lo -= pad;
        r.hi += pad;
    }
    Scale s;
    s.step = nice_step(r.hi - r.lo, 5);
    s.ticks = ticks_of(r.lo, r.hi, s.step);
    s.lo = s.ticks.front();
    s.hi = s.ticks.back();
    return s;
}

// Extends a scale's upper end, keeping its step; ticks stay within it.
void extend(Scale& s, double hi) {
    s.hi = hi;
    s.ticks.clear();
    for (double t : ticks_of(s.lo, hi, s.step))
        if (t <= hi + 1e-9 * s.step) s.ticks.push_back(t);
}

int decimals_of(double step) {
    int d = 0;
    while (d < 8 && std::fabs(step * std::pow(10.0, d) - std::round(step * std::pow(10.0, d))) > 1e-6)
        ++d;
    return d;
}

void append_mark(std::string& out, Mark m, double x, double y, const std::string& colour) {
    const std::string style = "\" fill=\"" + colour + "\" stroke=\"#000\" stroke-width=\"0.8\"/>";
    switch (m) {
        case Mark::None: return;
        case Mark::Circle:
            out += "<circle class=\"mark\" cx=\"" + px(x) + "\" cy=\"" + px(y) + "\" r=\"4.5" + style;
            return;
        case Mark::Square:
            out += "<rect class=\"mark\" x=\"" + px(x - 4) + "\" y=\"" + px(y - 4) +
                   "\" width=\"8\" height=\"8" + style;
            return;
        case Mark::Triangle:
            out += "<path class=\"mark\" d=\"M" + px(x) + " " + px(y - 5.5) + "L" + px(x + 5) + " " +
                   px(y + 4) + "L" + px(x - 5) + " " + px(y + 4) + "Z" + style;
            return;
        case Mark::Diamond:
            out += "<path class=\"mark\" d=\"M" + px(x) + " " + px(y - 5.5) + "L" + px(x + 5.5) + " " +
                   px(y) + "L" + px(x) + " " + px(y + 5.5) + "L" + px(x - 5.5) + " " + px(y) + "Z" +
                   style;
            return;
    }
}

std::string stroke_of(const Series& s, const std::string& colour) {
    std::string a = " fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"1.8\"";
    if (s.dashed) a += " stroke-dasharray=\"7 4\"";
    return a;
}

void text(std::string& out, double x, double y, const std::string& anchor, const std::string& body,
          const std::string& extra = "") {
    out += "<text x=\"" + px(x) + "\" y=\"" + px(y) + "\" text-anchor=\"" + anchor + "\"" + extra +
           ">" + xml_text(body) + "</text>\n";
}

}  // namespace

const std::vector<std::string>& palette() {
    static const std::vector<std::string> colours = {
        "#0072B2", "#D55E00", "#009E73", "#CC79A7", "#E69F00", "#56B4E9", "#000000", "#999999"};
    return colours;
}

std::vector<double> nice_ticks(double lo, double hi, int target) {
    if (!(hi > lo)) return {lo};
    return ticks_of(lo, hi, nice_step(hi - lo, target));
}

std::string tick_text(double v, double step) { return fixed(v, decimals_of(step)); }

std::string xml_text(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            if (c == '&') out += "&amp;";
            else if (c == '<') out += "&lt;";
            else if (c == '>') out += "&gt;";
            else if (c == '"') out += "&quot;";
            else if (c < 0x20 && c != '\t' && c != '\n') out += '?';
            else if (c == 0x7f) out += '?';
            else out += static_cast<char>(c);
            ++i;
            continue;
        }
        // A well-formed UTF-8 sequence of 2 to 4 bytes is kept.
        const int n = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        bool ok = n > 0 && c >= 0xC2 && c <= 0xF4 && i + n <= s.size();
        for (int k = 1; ok && k < n; ++k) ok = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        if (ok && n == 3) {
            const unsigned char c1 = s[i + 1];
            ok = !(c == 0xE0 && c1 < 0xA0) && !(c == 0xED && c1 >= 0xA0);
        }
        if (ok && n == 4) {
            const unsigned char c1 = s[i + 1];
            ok = !(c == 0xF0 && c1 < 0x90) && !(c == 0xF4 && c1 >= 0x90);
        }
        if (ok) {
            out.append(s, i, n);
            i += n;
        } else {
            out += '?';
            ++i;
        }
    }
    return out;
}

void append_svg(std::string& out, const Chart& c, bool standalone) {
    Range xr, yr;
    for (const Series& s : c.series) {
        const size_t n = std::min(s.x.size(), s.y.size());
        for (size_t i = 0; i < n; ++i) {
            if (!std::isfinite(s.x[i]) || !std::isfinite(s.y[i])) continue;
            xr.take(s.x[i]);
            yr.take(s.y[i]);
        }
    }
    Scale xs = scale_of(xr, c.x_from_zero);
    Scale ys = scale_of(yr, c.y_from_zero);
    const double right = c.y2_factor != 0 ? 72 : 28;
    const double w = kWidth - kLeft - right;
    double h = kPlotHeight;
    if (c.equal_scale) {
        double per_unit = w / (xs.hi - xs.lo);
        h = (ys.hi - ys.lo) * per_unit;
        if (h < 160) {
            h = 160;
            extend(ys, ys.lo + h / per_unit);
        } else if (h > 420) {
            h = 420;
            per_unit = h / (ys.hi - ys.lo);
            extend(xs, xs.lo + w / per_unit);
        }
    }
    // Two entries a row, one when a label is too long for half the width.
    int legend_entries = 0;
    int columns = 2;
    for (const Series& s : c.series) {
        legend_entries += !s.label.empty();
        if (s.label.size() > 40) columns = 1;
    }
    const int legend_rows = (legend_entries + columns - 1) / columns;
    const double plot_bottom = kTop + h;
    const double height = plot_bottom + 50 + legend_rows * kLegendRow + 6;

    auto to_x = [&](double v) { return kLeft + (v - xs.lo) / (xs.hi - xs.lo) * w; };
    auto to_y = [&](double v) { return plot_bottom - (v - ys.lo) / (ys.hi - ys.lo) * h; };

    if (standalone) out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" id=\"" + xml_text(c.id) +
           "\" viewBox=\"0 0 " + px(kWidth) + " " + px(height) + "\" width=\"" + px(kWidth) +
           "\" height=\"" + px(height) +
           "\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\" font-size=\"12\">\n";
    out += "<title>" + xml_text(c.title) + "</title>\n";
    out += "<rect width=\"" + px(kWidth) + "\" height=\"" + px(height) + "\" fill=\"#ffffff\"/>\n";
    text(out, kWidth / 2, 22, "middle", c.title, " font-size=\"14\" font-weight=\"bold\"");
    out += "<defs><clipPath id=\"" + xml_text(c.id) + "-clip\"><rect x=\"" + px(kLeft) + "\" y=\"" +
           px(kTop) + "\" width=\"" + px(w) + "\" height=\"" + px(h) + "\"/></clipPath></defs>\n";

    // Grid, ticks and tick labels.
    out += "<g class=\"axes\" stroke=\"#dddddd\" stroke-width=\"1\">\n";
    for (double t : xs.ticks)
        out += "<line x1=\"" + px(to_x(t)) + "\" y1=\"" + px(kTop) + "\" x2=\"" + px(to_x(t)) +
               "\" y2=\"" + px(plot_bottom) + "\"/>\n";
    for (double t : ys.ticks)
        out += "<line x1=\"" + px(kLeft) + "\" y1=\"" + px(to_y(t)) + "\" x2=\"" + px(kLeft + w) +
               "\" y2=\"" + px(to_y(t)) + "\"/>\n";
    out += "</g>\n<g class=\"ticks\">\n";
    for (double t : xs.ticks) text(out, to_x(t), plot_bottom + 16, "middle", tick_text(t, xs.step));
    for (double t : ys.ticks) text(out, kLeft - 6, to_y(t) + 4, "end", tick_text(t, ys.step));
    if (c.y2_factor != 0) {
        const double a = ys.lo * c.y2_factor, b = ys.hi * c.y2_factor;
        const double lo = std::min(a, b), hi = std::max(a, b);
        const double step = nice_step(hi - lo, 5);
        for (double t : ticks_of(lo, hi, step)) {
            if (t < lo - 1e-9 * step || t > hi + 1e-9 * step) continue;
            const double y = to_y(t / c.y2_factor);
            out += "<line x1=\"" + px(kLeft + w) + "\" y1=\"" + px(y) + "\" x2=\"" + px(kLeft + w + 5) +
                   "\" y2=\"" + px(y) + "\" stroke=\"#000\"/>\n";
            text(out, kLeft + w + 8, y + 4, "start", tick_text(t, step));
        }
    }
    out += "</g>\n";
    out += "<rect x=\"" + px(kLeft) + "\" y=\"" + px(kTop) + "\" width=\"" + px(w) + "\" height=\"" +
           px(h) + "\" fill=\"none\" stroke=\"#000\"/>\n";

    // The curves, clipped to the plot area; the group holds the mapping so
    // a reader (or a test) can take the plotted points back to values.
    out += "<g class=\"plot\" clip-path=\"url(#" + xml_text(c.id) + "-clip)\" data-x0=\"" +
           exact(xs.lo) + "\" data-x1=\"" + exact(xs.hi) + "\" data-y0=\"" + exact(ys.lo) +
           "\" data-y1=\"" + exact(ys.hi) + "\" data-left=\"" + px(kLeft) + "\" data-top=\"" +
           px(kTop) + "\" data-width=\"" + px(w) + "\" data-height=\"" + px(h) + "\">\n";
    for (const Series& s : c.series) {
        const std::string& colour = palette()[static_cast<size_t>(s.colour) % palette().size()];
        out += "<g class=\"series " + xml_text(s.role) + "\">\n";
        const size_t n = std::min(s.x.size(), s.y.size());
        if (s.line) {
            std::string points;
            int count = 0;
            auto flush = [&] {
                if (count >= 2)
                    out += "<polyline points=\"" + points + "\"" + stroke_of(s, colour) + "/>\n";
                points.clear();
                count = 0;
            };
            for (size_t i = 0; i < n; ++i) {
                if (!std::isfinite(s.x[i]) || !std::isfinite(s.y[i])) {
                    flush();  // a gap
                    continue;
                }
                if (count) points += ' ';
                points += px(to_x(s.x[i])) + "," + px(to_y(s.y[i]));
                ++count;
            }
            flush();
        }
        for (size_t i = 0; i < n; ++i)
            if (std::isfinite(s.x[i]) && std::isfinite(s.y[i]))
                append_mark(out, s.mark, to_x(s.x[i]), to_y(s.y[i]), colour);
        out += "</g>\n";
    }
    out += "</g>\n";

    // Axis titles.
    text(out, kLeft + w / 2, plot_bottom + 38, "middle", c.x_title);
    const double mid = kTop + h / 2;
    text(out, 18, mid, "middle", c.y_title,
         " transform=\"rotate(-90 18 " + px(mid) + ")\"");
    if (c.y2_factor != 0)
        text(out, kWidth - 14, mid, "middle", c.y2_title,
             " transform=\"rotate(90 " + px(kWidth - 14) + " " + px(mid) + ")\"");

    // Legend below the plot.
    out += "<g class=\"legend\">\n";
    int k = 0;
    for (const Series& s : c.series) {
        if (s.label.empty()) continue;
        const std::string& colour = palette()[static_cast<size_t>(s.colour) % palette().size()];
        const double x = kLeft + (k % columns) * (w / 2);
        const double y = plot_bottom + 58 + (k / columns) * kLegendRow;
        if (s.line)
            out += "<line x1=\"" + px(x) + "\" y1=\"" + px(y - 4) + "\" x2=\"" + px(x + 26) +
                   "\" y2=\"" + px(y - 4) + "\"" + stroke_of(s, colour) + "/>\n";
        append_mark(out, s.mark, x + 13, y - 4, colour);
        text(out, x + 32, y, "start", s.label);
        ++k;
    }
    out += "</g>\n</svg>\n";
}

}  // namespace dorvane::plot
