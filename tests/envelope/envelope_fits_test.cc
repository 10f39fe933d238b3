// Envelope fits: worked examples and a cross-check against least squares
// computed independently in double precision.
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "envelope/envelope_routine.h"

namespace dorvane {
namespace {

constexpr float kPi = 3.141593f;

AllTestsTable table(const std::vector<float>& col1, const std::vector<float>& col2) {
    AllTestsTable t;
    for (size_t k = 0; k < col1.size(); ++k) {
        t.cell[k + 1][1] = col1[k];
        t.cell[k + 1][2] = col2[k];
    }
    return t;
}

TEST(EnvelopeFits, ThreeTestsOnOneLine) {
    // SIG 100, 200, 300 and TAU 60, 110, 160: slope 0.5, intercept 10.
    const AllTestsTable sig = table({100, 200, 300}, {150, 250, 350});
    const AllTestsTable tau = table({60, 110, 160}, {60, 110, 160});
    Envelope env;
    fit_envelopes(sig, tau, 3, 5, kPi, env);

    EXPECT_NEAR(env.PHILRG[1], 30.0, 1e-5);
    EXPECT_NEAR(env.COHESN[1], 10.0 / std::cos(M_PI / 6.0), 1e-5);
    EXPECT_FLOAT_EQ(env.COFCOR[1], 1.0f);
    // Column 2 is the same line shifted by 50 in SIG: intercept -15.
    EXPECT_NEAR(env.PHILRG[2], 30.0, 1e-5);
    EXPECT_NEAR(env.COHESN[2], -15.0 / std::cos(M_PI / 6.0), 1e-5);
    // Through the origin: slope 76000 / 140000.
    EXPECT_NEAR(env.PHIZRC[1], std::asin(76000.0 / 140000.0) * 180.0 / M_PI, 1e-4);
}

TEST(EnvelopeFits, TwoTestsCorrelateFully) {
    const AllTestsTable sig = table({123.4f, 345.6f}, {211.7f, 402.3f});
    const AllTestsTable tau = table({78.9f, 190.1f}, {78.9f, 190.1f});
    Envelope env;
    fit_envelopes(sig, tau, 2, 3, kPi, env);
    EXPECT_NEAR(env.COFCOR[1], 1.0, 1e-5);
    EXPECT_NEAR(env.COFCOR[2], 1.0, 1e-5);
    // n - 1 = 1: the through-origin correlation is still defined.
    EXPECT_TRUE(std::isfinite(env.COFZRC[1]));
}

TEST(EnvelopeFits, OptionSelectsFitsAndOthersKeepTheirValues) {
    const AllTestsTable sig = table({100, 200, 300}, {100, 200, 300});
    const AllTestsTable tau = table({60, 110, 160}, {60, 110, 160});
    struct Case { int regopt; bool origin; bool ordinary; };
    for (const Case c : {Case{1, true, false}, Case{2, false, true}, Case{3, true, true},
                         Case{4, true, false}, Case{5, true, true}, Case{6, false, false}}) {
        SCOPED_TRACE(c.regopt);
        Envelope env;
        env.PHIZRC = env.COFZRC = env.PHILRG = env.COHESN = env.BEXPNT = env.ACONST =
            {Real(-7.0f), Real(-7.0f), Real(-7.0f)};
        fit_envelopes(sig, tau, 3, c.regopt, kPi, env);
        EXPECT_EQ(env.PHIZRC[1].v != -7.0f, c.origin);
        EXPECT_EQ(env.COFZRC[2].v != -7.0f, c.origin);
        EXPECT_EQ(env.PHILRG[1].v != -7.0f, c.ordinary);
        EXPECT_EQ(env.COHESN[2].v != -7.0f, c.ordinary);
        EXPECT_EQ(env.BEXPNT[1].v, -7.0f);  // linear pass: no power curve
        EXPECT_EQ(env.ACONST[2].v, -7.0f);
        EXPECT_FLOAT_EQ(env.COFCOR[1], 1.0f);  // correlation always
    }
}

TEST(EnvelopeFits, PowerPassLeavesLinearResults) {
    const AllTestsTable sig = table({100, 200, 300}, {100, 200, 300});
    const AllTestsTable tau = table({60, 110, 160}, {60, 110, 160});
    Envelope env;
    env.KPASS = EnvelopePass::PowerCurve;
    env.PHIZRC[1] = -7.0f;
    env.PHILRG[1] = -7.0f;
    env.SIGTOP = 300.0f;
    fit_envelopes(sig, tau, 3, 5, kPi, env);
    EXPECT_EQ(env.PHIZRC[1].v, -7.0f);
    EXPECT_EQ(env.PHILRG[1].v, -7.0f);
}

TEST(EnvelopeFits, StrengthTableScaledToNextHundred) {
    // Power curve TAU = 2 SIG^0.5 given through its logarithms.
    std::vector<float> lx, ly;
    for (float s : {50.0f, 150.0f, 400.0f}) {
        lx.push_back(static_cast<float>(std::log(static_cast<double>(s))));
        ly.push_back(static_cast<float>(std::log(2.0 * std::sqrt(static_cast<double>(s)))));
    }
    const AllTestsTable lsig = table(lx, lx);
    const AllTestsTable ltau = table(ly, ly);
    struct Case { float sigtop; float top; std::vector<float> sigfol; };
    for (const Case& c : {Case{250.0f, 300.0f, {60, 120, 180, 240, 300}},
                          Case{300.0f, 400.0f, {80, 160, 240, 320, 400}},
                          Case{0.5f, 100.0f, {20, 40, 60, 80, 100}},
                          Case{NAN, 100.0f, {20, 40, 60, 80, 100}}}) {
        SCOPED_TRACE(c.sigtop);
        Envelope env;
        env.KPASS = EnvelopePass::PowerCurve;
        env.SIGTOP = c.sigtop;
        fit_envelopes(lsig, ltau, 3, 4, kPi, env);
        EXPECT_EQ(env.SIGTOP.v, c.top);
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(env.SIGFOL[k].v, c.sigfol[k - 1]);
            EXPECT_NEAR(env.TAUFOL[k], 2.0 * std::sqrt(static_cast<double>(c.sigfol[k - 1])),
                        1e-3);
        }
        EXPECT_NEAR(env.ACONST[1], 2.0, 1e-5);
        EXPECT_NEAR(env.BEXPNT[1], 0.5, 1e-6);
        EXPECT_NEAR(env.COFCOR[1], 1.0, 1e-5);
    }
}

// Independent least squares in double over (x, y), with the conditioning of
// the single-precision centred sums: each uncentred sum carries about n
// roundings, and subtracting the mean magnifies them by S / C.
struct DoubleFit {
    double r, b0, cofzrc, b1, a;
    double cond;  // relative error to expect of centred-sum results
    double xmean;
};

DoubleFit double_fit(const std::vector<float>& xf, const std::vector<float>& yf) {
    const std::vector<double> x(xf.begin(), xf.end()), y(yf.begin(), yf.end());
    const double n = static_cast<double>(x.size());
    double mx = 0, my = 0;
    for (size_t i = 0; i < x.size(); ++i) { mx += x[i]; my += y[i]; }
    mx /= n;
    my /= n;
    double cxy = 0, cxx = 0, cyy = 0, uxy = 0, uxx = 0, uyy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        cxy += (x[i] - mx) * (y[i] - my);
        cxx += (x[i] - mx) * (x[i] - mx);
        cyy += (y[i] - my) * (y[i] - my);
        uxy += x[i] * y[i];
        uxx += x[i] * x[i];
        uyy += y[i] * y[i];
    }
    DoubleFit f;
    f.r = std::fabs(cxy) / std::sqrt(cxx * cyy);
    f.b1 = cxy / cxx;
    f.a = my - f.b1 * mx;
    f.b0 = uxy / uxx;
    double sse = 0;
    for (size_t i = 0; i < x.size(); ++i) sse += (y[i] - f.b0 * x[i]) * (y[i] - f.b0 * x[i]);
    f.cofzrc = std::sqrt(1.0 - sse / cyy);
    f.cond = (n + 4.0) * 0x1p-24 * (uxx / cxx + uyy / cyy + std::fabs(uxy / cxy));
    f.xmean = mx;
    return f;
}

TEST(EnvelopeFits, AgreeWithDoubleLeastSquaresOnRandomData) {
    std::mt19937 gen(20061);
    std::uniform_real_distribution<double> usig(50.0, 500.0), unoise(-15.0, 15.0),
        uslope(0.2, 0.7), uc(0.0, 40.0);
    std::uniform_int_distribution<int> un(3, kMaxTests);
    const double deg = 180.0 / 3.141593f;
    for (int trial = 0; trial < 200; ++trial) {
        SCOPED_TRACE(trial);
        const int n = un(gen);
        std::vector<float> x[3], y[3], lx[3], ly[3];
        for (int j = 1; j <= 2; ++j) {
            const double slope = uslope(gen), c = uc(gen);
            for (int i = 0; i < n; ++i) {
                const float s = static_cast<float>(usig(gen));
                const float t = static_cast<float>(c + slope * s + unoise(gen));
                x[j].push_back(s);
                y[j].push_back(t);
                // The power pass works on the logarithms as the tables hold them.
                lx[j].push_back(static_cast<float>(std::log(static_cast<double>(s))));
                ly[j].push_back(static_cast<float>(std::log(static_cast<double>(t))));
            }
        }
        Envelope env;
        fit_envelopes(table(x[1], x[2]), table(y[1], y[2]), n, 5, 3.141593f, env);
        Envelope pow_env;
        pow_env.KPASS = EnvelopePass::PowerCurve;
        pow_env.SIGTOP = x[1][n - 1];
        fit_envelopes(table(lx[1], lx[2]), table(ly[1], ly[2]), n, 5, 3.141593f, pow_env);

        for (int j = 1; j <= 2; ++j) {
            const DoubleFit f = double_fit(x[j], y[j]);
            const double eps = 1e-6;  // a few single-precision roundings
            const double phi = std::asin(f.b1) * deg;
            const double db1 = f.cond * std::fabs(f.b1) + eps;
            EXPECT_NEAR(env.COFCOR[j], f.r, f.cond + eps);
            EXPECT_NEAR(env.PHIZRC[j], std::asin(f.b0) * deg, 1e-4);
            if (std::isnan(f.cofzrc)) {
                EXPECT_TRUE(std::isnan(env.COFZRC[j]));  // SSE above SST: no root
            } else {
                EXPECT_NEAR(env.COFZRC[j], f.cofzrc, f.cond + eps);
            }
            EXPECT_NEAR(env.PHILRG[j], phi, db1 / std::cos(phi / deg) * deg + 1e-4);
            const double da = f.xmean * db1 + 1e-4 * (1.0 + std::fabs(f.a));
            EXPECT_NEAR(env.COHESN[j], f.a / std::cos(phi / deg),
                        2.0 * da + db1 * std::fabs(f.a) * 2.0);

            const DoubleFit p = double_fit(lx[j], ly[j]);
            const double dbp = p.cond * std::fabs(p.b1) + eps;
            EXPECT_NEAR(pow_env.COFCOR[j], p.r, p.cond + eps);
            EXPECT_NEAR(pow_env.BEXPNT[j], p.b1, dbp);
            const double dap = p.xmean * dbp + 4.0 * eps;
            EXPECT_NEAR(pow_env.ACONST[j], std::exp(p.a), 2.0 * dap * std::exp(p.a));
        }
    }
}

}  // namespace
}  // namespace dorvane
