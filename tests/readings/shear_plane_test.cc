#include "readings/shear_plane.h"

#include <gtest/gtest.h>

#include <cmath>

#include "readings/reduce_reading.h"
#include "readings_bench.h"

namespace dorvane {
namespace {

// Reference reading 1 with a 10 cm2 area; reading 2 slid by the axial
// strain step `slide` on a 45-degree plane (TANALF 1).
void slide_on_plane(ReadingsBench& b, double slide) {
    b.run.in.EXTM = 1.0f;
    b.run.in.ACTKFP = 1.0f;
    b.run.in.PCFPSD = 2.0f;
    b.r.COR_AR[1] = 10.0f;
    b.r.EPSAX[1] = 0.01f;
    b.r.EPSAX[2] = 0.01 + slide;
    b.r.CMS1DS[1] = 0.05f;
    b.r.CMS3DS[1] = 0.03f;
    b.r.CMDEDS[1] = 0.02f;
    b.r.CFSIG1[1] = 0.07f;
    b.r.SIG3UC[2] = 2.0f;
    b.r.JREF = 1;
    reduce_on_shear_plane(b.run, b.sp, b.r, 2, Real(20.0f));
}

TEST(ShearPlane, OverlapOfTwoSlidingSections) {
    // Centre distance sa / TANALF = dj / 2: theta = 2 pi / 3.
    ReadingsBench b;
    const double dj = std::sqrt(10.0 * 1.273f);
    slide_on_plane(b, (dj / 2.0) / 10.0);
    EXPECT_EQ(b.r.KPLANE, 1);
    EXPECT_NEAR(b.r.COR_AR[2], 3.91, 0.005);
    EXPECT_NEAR(b.r.ERRAC[2], -7.03, 0.01);
    // The simple formula's area, back from ERRAC.
    EXPECT_NEAR(b.r.COR_AR[2] * (1.0 + b.r.ERRAC[2] / 100.0), 3.63, 0.01);
    EXPECT_NEAR(b.r.DELTAS[2], 17.84, 0.01);

    // Whole-specimen corrections frozen at the reference; the plane's parts
    // added to SIG1's and taken from SIG3's.
    EXPECT_EQ(b.r.CMS1DS[2].v, 0.05f);
    EXPECT_EQ(b.r.CMS3DS[2].v, 0.03f);
    EXPECT_EQ(b.r.CMDEDS[2].v, 0.02f);
    EXPECT_EQ(b.r.CFS1DS[2].v, 0.07f);
    EXPECT_GT(b.r.CMS3LR[2], 0.0);
    EXPECT_EQ(b.r.CMSIG1[2].v, Real(0.05f + double(b.r.CMS1LR[2])).v);
    EXPECT_EQ(b.r.CMSIG3[2].v, Real(0.03f - double(b.r.CMS3LR[2])).v);
    EXPECT_EQ(b.r.CMDELR[2].v, Real(b.r.CMS1LR[2] + b.r.CMS3LR[2]).v);
    EXPECT_EQ(b.r.SIG1UC[2].v, Real(20.0 / b.r.COR_AR[2] + 2.0).v);
}

TEST(ShearPlane, NoSlideKeepsTheReferenceArea) {
    ReadingsBench b;
    slide_on_plane(b, 0.0);
    // theta = pi exactly, divided by the stored 3.141593: one float below 10.
    EXPECT_FLOAT_EQ(b.r.COR_AR[2], 10.0f);
    EXPECT_NEAR(b.r.ERRAC[2], 0.0, 1e-4);
    EXPECT_EQ(b.r.CMDELR[2].v, 0.0f);
    EXPECT_EQ(b.r.CMS1LR[2].v, 0.0f);
    EXPECT_EQ(b.r.CMS3LR[2].v, 0.0f);
    // The side drains still carry the polynomial's constant term.
    EXPECT_NEAR(b.r.CFS1LR[2], 2.0 * 0.008902311 * 1.0 / 10.0, 1e-8);
}

TEST(ShearPlane, ErmcbhComparesWithTheReferenceBhmemPlusAConstant) {
    ReadingsBench b;
    b.r.BHMEM = 0.1f;
    slide_on_plane(b, 0.05);
    const Real cm = b.r.CMSIG1[2] - b.r.CMSIG3[2];
    EXPECT_EQ(b.r.ERMCBH[2].v, Real((((0.1f + double(0.0422f)) - cm) * 100.0) / cm).v);
    EXPECT_EQ(b.r.BHMEM.v, 0.1f);
}

// Readings through the whole reduction: ring load rising with the strain,
// membrane scales set so the frozen values are visible.
void reduce_with_planes(ReadingsBench& b, const float* para3, int n) {
    b.sp.MEMC1 = 0.05f;
    b.sp.MEMC3 = 0.03f;
    b.run.in.EXTM = 1.0f;
    b.set_cell_pressure(n, 2.0f);
    for (int i = 1; i <= n; ++i) {
        b.r.S_DIAL[i] = 0.1f * static_cast<float>(i - 1);
        b.r.PR_DIA[i] = 10.0f * static_cast<float>(i);
        b.r.PARA3[i] = para3[i - 1];
    }
    b.sp.NREAD = n;
    reduce_readings(b.run, b.sp, b.r);
}

TEST(ShearPlane, LaterPlaneReadingsKeepTheSameReference) {
    ReadingsBench b;
    const float para3[] = {0, 0, 1, 1};
    reduce_with_planes(b, para3, 4);
    EXPECT_EQ(b.r.KPLANE, 2);
    EXPECT_EQ(b.r.JREF, 2);
    EXPECT_EQ(b.r.CMS1DS[4].v, b.r.CMS1DS[2].v);
    EXPECT_EQ(b.r.CMS3DS[4].v, b.r.CMS3DS[2].v);
    EXPECT_EQ(b.r.CFS1DS[4].v, b.r.CFSIG1[2].v);
    EXPECT_NE(b.r.ERRAC[4].v, 0.0f);
    EXPECT_EQ(b.r.ERRAC[2].v, 0.0f);
}

TEST(ShearPlane, PlaneOnReading1IsReducedAsAWholeSpecimen) {
    ReadingsBench b;
    const float para3[] = {1, 1, 1};
    reduce_with_planes(b, para3, 3);
    EXPECT_EQ(b.r.KPLANE, 2);
    EXPECT_EQ(b.r.JREF, 1);
    EXPECT_EQ(b.r.DELTAS[1].v, 0.0f);
    EXPECT_EQ(b.r.CMS1DS[3].v, b.r.CMS1DS[1].v);
    EXPECT_TRUE(std::isfinite(b.r.HALF_DEVS[3]));
}

TEST(ShearPlane, ZeroDeviatorOnThePlaneIsNotGuarded) {
    ReadingsBench b;
    b.r.HALF_DEVS[2] = 0.0f;
    b.run.in.EXTM = 0.0f;
    b.run.in.ACTKFP = 0.0f;
    b.r.COR_AR[1] = 10.0f;
    b.r.SIG3UC[2] = 1.0f;
    b.r.JREF = 1;
    reduce_on_shear_plane(b.run, b.sp, b.r, 2, Real(0.0f));
    EXPECT_EQ(b.r.HALF_DEVS[2].v, 0.0f);
    EXPECT_TRUE(std::isnan(b.r.PERCMB[2]));  // 0 / 0
    EXPECT_TRUE(std::isnan(b.r.PERCSD[2]));
}

}  // namespace
}  // namespace dorvane
