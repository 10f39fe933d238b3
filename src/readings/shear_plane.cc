#include "readings/shear_plane.h"

#include <cmath>

#include "readings/filter_paper.h"

namespace dorvane {

void reduce_on_shear_plane(const Run& run, const Specimen& sp, Readings& r, int i, Real p) {
    const InputFields& in = run.in;
    const Real pi = run.PI;

    r.KPLANE = r.KPLANE + 1;
    const int j = r.JREF;  // I - KPLANE while the plane readings run to the end

    // Relative displacement along the plane, as an axial strain.
    const Real delta =
        ((((r.EPSVOL[i] - r.EPSVOL[j]) * 0.5f) * sp.VOLSOS) /
         ((sp.HSOFSH * r.COR_AR[j]) * 1.5f)) +
        (r.EPSAX[i] - r.EPSAX[j]);
    const Real dj = std::sqrt(r.COR_AR[j] * 1.273f);
    const Real sa = sp.HSOFSH * delta;

    // Overlap of two circles of diameter dj whose centres are sa / TANALF apart.
    const Real theta = std::acos(sa / (sp.TANALF * dj)) * 2.0f;
    r.COR_AR[i] = ((theta - std::sin(theta)) * r.COR_AR[j]) / pi;
    const Real as = r.COR_AR[j] - ((dj * sa) / sp.TANALF);
    r.ERRAC[i] = ((as - r.COR_AR[i]) * 100.0f) / r.COR_AR[i];

    // Membrane along the plane, split into its SIG1 and SIG3 parts.
    const Real fm = (std::log(r.SIG3UC[i] * 10.0f) * 0.2263f) + 0.0143f;
    r.CMDELR[i] = (std::sqrt(((fm * in.EXTM) * sa) * sp.SINALF) * (dj * pi)) /
                  (sp.COSALF * r.COR_AR[i]);
    r.CMS1LR[i] = sp.CLR1 * r.CMDELR[i];
    r.CMS3LR[i] = sp.CLR3 * r.CMDELR[i];
    r.CMDELR[i] = r.CMS1LR[i] + r.CMS3LR[i];

    // Side drains along the plane: mobilised by the slide, no upper limit.
    const Real m = filter_paper_mobilisation(sp, delta);
    const Real f = (m * (in.ACTKFP / 0.18f)) * 0.18f;
    r.CFS1DS[i] = r.CFSIG1[j];
    r.CFS1LR[i] = (in.PCFPSD * f) / r.COR_AR[i];
    r.CFSIG1[i] = r.CFS1DS[i] + r.CFS1LR[i];

    r.DELTAS[i] = delta * 100.0f;
    r.CMS1DS[i] = r.CMS1DS[j];
    r.CMS3DS[i] = r.CMS3DS[j];

    r.SIG1UC[i] = (p / r.COR_AR[i]) + r.SIG3UC[i];
    r.CMSIG1[i] = r.CMS1DS[i] + r.CMS1LR[i];
    r.CMSIG3[i] = r.CMS3DS[i] - r.CMS3LR[i];

    // BHMEM is that of the reference reading: plane readings leave it alone.
    const Real cm = r.CMSIG1[i] - r.CMSIG3[i];
    r.ERMCBH[i] = (((r.BHMEM + 0.0422f) - cm) * 100.0f) / cm;

    r.SIG1C[i] = (r.SIG1UC[i] - r.CMSIG1[i]) - r.CFSIG1[i];
    r.SIG3C[i] = r.SIG3UC[i] - r.CMSIG3[i];
    r.HALF_DEVS[i] = (r.SIG1C[i] - r.SIG3C[i]) * 0.5f;
    r.TOT_ST[i] = (r.SIG1C[i] + r.SIG3C[i]) * 0.5f;
    r.EFF_NS[i] = r.TOT_ST[i] - r.PP[i];
    r.CMDEDS[i] = r.CMDEDS[j];

    // Not guarded: a zero deviator gives non-finite percentages.
    r.PERCMB[i] = (cm * 50.0f) / r.HALF_DEVS[i];
    r.PERCSD[i] = (r.CFSIG1[i] * 50.0f) / r.HALF_DEVS[i];
}

}  // namespace dorvane
