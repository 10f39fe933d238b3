#include "standard_input.h"

#include <cmath>
#include <cstdio>
#include <random>

namespace dorvane {

namespace {

class Writer {
public:
    explicit Writer(std::string& out) : out_(out) {}

    // One right-justified field of w characters with d decimals.
    void field(double v, int w, int d) {
        char buf[64];
        int n = std::snprintf(buf, sizeof buf, "%*.*f", w, d, v);
        if (n != w) n = std::snprintf(buf, sizeof buf, "%*.0f", w, v);  // drop decimals to fit
        out_.append(buf, static_cast<size_t>(n));
    }
    void blank(int w) { out_.append(static_cast<size_t>(w), ' '); }
    void text(const char* t) { out_ += t; }
    void end() { out_ += '\n'; }

private:
    std::string& out_;
};

// One test: title lines, READ A (4 records), READ B, READ C (2 records) and
// the readings block, all (9F8.0) fields in columns of 8.
void write_test(Writer& w, int number, std::mt19937& rng) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    auto around = [&](double v, double spread) { return v * (1.0 + spread * (2.0 * u(rng) - 1.0)); };

    double cell = 0.5 + 2.5 * u(rng);  // cell pressure gauge reading
    char title[96];
    std::snprintf(title, sizeof title, "SYNTHETIC SITE %d  BH%d  %.1f-%.1f M", number % 97, number % 13 + 1,
                  2.0 + number % 11, 6.0 + number % 11);
    w.text(title), w.end();
    std::snprintf(title, sizeof title, "CU TRIAXIAL TEST %d, CELL PRESSURE %.2f KGF/CM2", number, cell);
    w.text(title), w.end();
    w.text("NC CLAY, REMOULDED"), w.end();

    double wc = around(0.29, 0.1), d = around(7.04, 0.02), h = around(14.37, 0.02);
    double mass = around(1010.0, 0.03);
    // READ A
    w.field(0, 8, 0), w.field(wc, 8, 3), w.field(wc - 0.03, 8, 4), w.field(mass + 9.5, 8, 2);
    w.field(mass - 13.1, 8, 2), w.field(d, 8, 3), w.field(0, 8, 0), w.blank(16), w.end();
    w.blank(8), w.field(h, 8, 3), w.field(around(2.65, 0.02), 8, 3), w.field(98.5, 8, 1);
    w.field(around(0.965, 0.01), 8, 4), w.field(2, 8, 0), w.field(around(0.24, 0.1), 8, 3);
    w.field(45, 8, 0), w.field(7.5, 8, 1), w.end();
    w.field(cell, 8, 2), w.field(0, 8, 0), w.field(1, 8, 0), w.field(0.34, 8, 2), w.field(0, 8, 0);
    w.field(around(0.379, 0.05), 8, 3), w.field(around(22.49, 0.01), 8, 2), w.field(0, 8, 0);
    w.field(mass, 8, 2), w.end();
    w.field(0, 8, 0), w.field(0, 8, 0), w.field(0, 8, 0), w.field(0.4, 8, 1), w.end();
    // READ B
    w.field(0.315, 8, 3), w.field(0.198, 8, 3), w.field(0, 8, 0), w.blank(16), w.field(0, 8, 0);
    w.field(0, 8, 0), w.end();
    // READ C: 80 readings, volume change taken as 0
    w.field(100 + number % 9000, 8, 0), w.field(1, 8, 0), w.field(around(29.8, 0.1), 8, 1), w.field(0, 8, 0);
    w.field(around(135.5, 0.1), 8, 1), w.field(1, 8, 0), w.field(around(163.7, 0.1), 8, 1);
    w.field(around(0.38, 0.2), 8, 2), w.field(0.02, 8, 2), w.end();
    w.field(1, 8, 0), w.field(around(0.00172, 0.2), 8, 5), w.field(1, 8, 0), w.field(around(1.03, 0.1), 8, 3);
    w.field(around(0.298, 0.05), 8, 3), w.field(0, 8, 0), w.field(80, 8, 0), w.field(1, 8, 0), w.end();

    // Readings: clock, pore pressure rising, strain dial at a steady rate,
    // proving ring rising to a peak; a shear plane in the last fifth.
    // Readings 5 to 15 minutes apart from 03:00 on day 4: the test ends the same day.
    double step = 5.0 + 10.0 * u(rng), rate = 8.0 + 6.0 * u(rng), peak = 30.0 + 50.0 * u(rng);
    double pp0 = 0.3 + 0.3 * u(rng), pp_rise = 2.0 + 3.0 * u(rng);
    int last_day = -1, last_hour = -1;
    for (int i = 0; i < 80; ++i) {
        int minutes = 180 + static_cast<int>(i * step);
        int day = 4 + minutes / 1440, hour = (minutes / 60) % 24, minute = minutes % 60;
        double s = i * rate;
        w.field(cell, 4, 2);
        if (day != last_day) w.field(day, 4, 0); else w.blank(4);
        if (hour != last_hour) w.field(hour, 4, 0); else w.blank(4);
        w.field(minute, 4, 0), w.blank(8), w.field(1, 4, 0);
        w.field(pp0 + pp_rise * (1.0 - std::exp(-i / 25.0)), 4, 2);
        w.field(5, 8, 0), w.field(s, 8, 0), w.field(0.8 + peak * (1.0 - std::exp(-s / 150.0)), 8, 1);
        w.field(i >= 64 ? 1 : 0, 8, 0), w.end();
        last_day = day, last_hour = hour;
    }
}

}  // namespace

std::string generate_standard_input(int tests, uint32_t seed) {
    std::string out;
    out.reserve(static_cast<size_t>(tests) * 6000 + 100);
    Writer w(out);
    std::mt19937 rng(seed);
    // Mode code 7, pore pressures converted, PR.RG.CONS, ram diameter and
    // weight, PHIPL, PARREG 0, report option 0, no second record.
    w.field(7, 8, 0), w.field(0, 8, 0), w.field(0.7374, 8, 4), w.field(1.27, 8, 2), w.field(1.049, 8, 3);
    w.field(28.3, 8, 1), w.field(0, 8, 0), w.field(0, 8, 0), w.field(0, 8, 0), w.end();
    for (int k = 1; k <= tests; ++k) write_test(w, k, rng);
    return out;
}

}  // namespace dorvane
