#include "readings/reduce_reading.h"

#include <cmath>

#include "readings/failure_state.h"
#include "readings/filter_paper.h"
#include "readings/shear_plane.h"
#include "specimen/layout_kind.h"

namespace dorvane {

namespace {

// Area, membrane and side-drain corrections and the stresses of a reading
// without a shear plane. dv is the specimen volume change, em the lower
// bound of the axial strain, p the axial load.
void reduce_without_plane(const Run& run, const Specimen& sp, Readings& r, int i, Real p,
                          Real dv, Real em) {
    const InputFields& in = run.in;

    // Axial strain from the initial height, consolidation included.
    Real e0 = ((r.S_DIAL[i] - sp.SEATING) / in.H) + sp.EPSINL;
    if (e0 < em + sp.EPSINL) e0 = em + sp.EPSINL;
    const Real eb = sp.BEDSTR + e0;
    const Real k = (1.0f - e0) / (1.0f - eb);
    const Real ev = (dv / sp.VOLINL) + sp.DV_VINL;

    r.COR_AR[i] = ((r.EPSVOL[i] + 1.0f) * sp.AREASOS) / (1.0f - r.EPSAX[i]);

    const Real w = ev + 1.0f;
    const Real d = std::sqrt(w / (1.0f - e0));

    // Membrane shell corrections of the whole specimen.
    r.CMS1DS[i] = (((((eb * 2.0f) + 1.0f) - d) * sp.MEMC1) / w) * k;
    r.CMS3DS[i] = ((((eb + 2.0f) - (d * 2.0f)) * sp.MEMC3) / w) * k;
    r.CMSIG1[i] = r.CMS1DS[i];
    r.CMSIG3[i] = r.CMS3DS[i];

    // Comparison correction; its own rounded pi.
    r.BHMEM = (((in.D * 3.1416f) * in.EXTM) * r.EPSAX[i]) / r.COR_AR[i];

    r.CMDEDS[i] = r.CMSIG1[i] - r.CMSIG3[i];
    r.ERMCBH[i] = r.CMDEDS[i] == 0.0 ? Real(0.0f)
                                     : Real(((r.BHMEM - r.CMDEDS[i]) * 100.0f) / r.CMDEDS[i]);

    // Side-drain load per unit of covered perimeter: fully mobilised above
    // a strain of 0.025, by the mobilisation polynomial up to it.
    Real f = in.ACTKFP;
    if (!(e0 - 0.025f > 0.0)) {
        const Real m = filter_paper_mobilisation(sp, e0);
        f = (m * ((in.ACTKFP * 1.135f) / 0.18f)) * 0.18f;
    }
    r.CFSIG1[i] = (in.PCFPSD * f) / r.COR_AR[i];

    r.SIG1UC[i] = (p / r.COR_AR[i]) + r.SIG3UC[i];
    r.SIG1C[i] = (r.SIG1UC[i] - r.CMSIG1[i]) - r.CFSIG1[i];
    r.SIG3C[i] = r.SIG3UC[i] - r.CMSIG3[i];
    r.HALF_DEVS[i] = (r.SIG1C[i] - r.SIG3C[i]) * 0.5f;

    if (r.HALF_DEVS[i] == 0.0) {
        r.PERCMB[i] = 0.0f;
        r.PERCSD[i] = 0.0f;
    } else {
        r.PERCMB[i] = ((r.CMSIG1[i] - r.CMSIG3[i]) * 50.0f) / r.HALF_DEVS[i];
        r.PERCSD[i] = (r.CFSIG1[i] * 50.0f) / r.HALF_DEVS[i];
    }
    r.TOT_ST[i] = (r.SIG1C[i] + r.SIG3C[i]) * 0.5f;
    r.EFF_NS[i] = r.TOT_ST[i] - r.PP[i];

    r.CMDELR[i] = 0.0f;
    r.ERRAC[i] = 0.0f;
    r.DELTAS[i] = 0.0f;
    r.CMS1LR[i] = 0.0f;
    r.CMS3LR[i] = 0.0f;
    r.CFS1LR[i] = 0.0f;
    r.CFS1DS[i] = r.CFSIG1[i];
}

// Pore-water pressure of reading i in kgf/cm2, replacing the value read.
void convert_pore_pressure(const Run& run, Readings& r, int i) {
    const InputFields& in = run.in;
    Real& pp = r.PP[i];
    if (in.MODE == 1.0f) {
        if (r.PPSEL[i] > 0.0) {
            pp = ((in.COEF1M * pp) + in.COEF01) - (in.COEF2M * r.PPAUX[i]);
        } else {
            pp = in.PWSLOP * pp + in.PWCONS;
        }
        return;
    }
    if (in.PPFLAG == 1.0f) return;  // read in kgf/cm2 already
    const Real code = r.PARA2[i];
    if (code < 2.0f) {
        pp = ((in.ZEROM - pp) * 0.0252f) - 0.01f;
    } else if (code == 2.0f) {
        pp = (((in.ZEROM + in.DMANR) - pp) * 0.0252f) - 0.01f;
    } else if (code > 2.0f && code <= 3.0f) {
        pp = ((pp - in.ZEROLF) * 0.06715f) - 0.01f;
    } else if (code > 3.0f) {
        pp = ((pp - 1.0f) * 0.0703f) + 0.04f;
    }
}

}  // namespace

void reduce_reading(Run& run, const Specimen& sp, Readings& r, int i) {
    const InputFields& in = run.in;
    const bool extended = extended_layout(run);
    const bool short_recs = short_layout(run);

    // Time and gauge volume; da is the fall of applied cell pressure.
    r.TMIN[i] = ((r.DAY[i] * 24.0f) + r.HOUR[i]) * 60.0f + r.MINUTE[i];
    Real da = 0.0f;
    if (i == 1) {
        r.DTMIN[i] = 0.0f;
        r.DURATION[i] = 0.0f;
        r.VOLCH[i] = 0.0f;
    } else {
        r.DTMIN[i] = r.TMIN[i] - r.TMIN[i - 1];
        r.DURATION[i] = r.DURATION[i - 1] + r.DTMIN[i];
        da = r.APP_SIG3[i - 1] - r.APP_SIG3[i];
        if (r.VOLSEL[i] >= 2.0f) {
            r.VOLCH[i] = (r.VOLCH[i - 1] + r.VOL2[i]) - r.VOL2[i - 1];
        } else {
            r.VOLCH[i] = (r.VOLCH[i - 1] + r.VOL1[i]) - r.VOL1[i - 1];
        }
    }

    // Cell-fluid volume corrections of this reading (extended layout):
    // time-dependent at reading 2, pressure step from reading 3 on.
    Real vt = 0.0f;
    Real vp = 0.0f;
    if (extended) {
        r.NRDVT = r.NRDVT + 1.0f;
        r.NRDVP = r.NRDVP + 1.0f;
        if (r.NRDVT == 2.0f) {
            vt = ((r.DTMIN[i] * r.DTMIN[i]) * sp.CDT2) + (sp.CDT1 * r.DTMIN[i]);
        }
        if (r.NRDVP >= 3.0f && !(r.DTMIN[i] >= 1400.0f)) {
            const Real x = r.DTMIN[i] - 10.0f;
            const double xd = x;
            const Real q = sp.CRP0 + sp.CRP1 * xd + sp.CRP2 * (xd * xd) +
                           sp.CRP3 * (xd * xd * xd) + sp.CRP4 * (xd * xd * xd * xd) +
                           sp.CRP5 * (xd * xd * xd * xd * xd);
            vp = (0.747f - q) * (da / 17.5f);
        }
    }

    // Leakage and the dial correction for changes of cell pressure.
    const Real sl = extended ? Real(r.APP_SIG3[i] * 0.0703f + 0.022f) : sp.S3IKGC;
    r.VLEAK = ((sl * in.SLFPR) * r.DTMIN[i]) + r.VLEAK;
    r.DIALCR = (da * 0.0369f) + r.DIALCR;

    // Axial deformation and ram travel in cm.
    const Real c = in.DIALSC != 0.0f ? in.DIALSC : Real(0.00254f);
    r.S_DIAL[i] = (r.DIALCR + r.S_DIAL[i]) * c;
    r.RAMTRV[i] = r.RAMTRV[i] * c;
    const Real vr = run.ARAM * r.RAMTRV[i];

    // Cell pressure of the reading.
    if (short_recs) {
        r.SIG3UC[i] = sp.S3IKGC;
    } else if (extended) {
        r.SIG3UC[i] = r.APP_SIG3[i] * 0.0703f + 0.037f;
    } else {
        r.SIG3UC[i] = in.CPSLOP * r.APP_SIG3[i] + in.CPCONS;
    }

    // Specimen volume change by the volume option.
    Real dv = 0.0f;
    if (in.VOLOPT == 1.0f) {
        dv = 0.0f;
    } else if (in.VOLOPT == 2.0f) {
        dv = r.VOLCH[i];
    } else {
        Real vc = 0.0f;
        if (extended) {
            const double s = r.SIG3UC[i];
            const Real vs = ((s * s) * s) * sp.CS3A3 + ((s * s) * sp.CS3A2 + sp.CS3A1 * s);
            vc = (vt + vs) + vp;
        }
        dv = ((vc - r.VOLCH[i]) - vr) + r.VLEAK;
    }

    convert_pore_pressure(run, r, i);

    // Axial load: the ram uplift of the cell pressure is removed under
    // PSETPR 0, and under PSETPR 1 while the uplift is below the ram weight.
    run.RAMWT = (in.TOPCAP + in.RAMWGT) + in.THIRDW;
    const Real fu = short_recs ? Real(run.ARAM * sp.S3IKGC) : Real(0.0f);
    Real p;
    if (in.PSETPR == 0.0f || (in.PSETPR == 1.0f && fu < in.RAMWGT)) {
        p = (in.MASS / 2000.0f) +
            (((in.PR_RG_CONS * r.PR_DIA[i]) + run.RAMWT) - (run.ARAM * r.SIG3UC[i]));
    } else {
        p = (in.MASS / 2000.0f) + (((in.PR_RG_CONS * r.PR_DIA[i]) + run.RAMWT) - in.RAMWGT);
    }

    // Strains; em keeps the dial correction as a floor (always in 0.001 in).
    const Real em = (r.DIALCR * 0.00254f) / sp.HSOFSH;
    r.EPSAX[i] = (r.S_DIAL[i] - sp.SEATING) / sp.HSOFSH;
    if (r.EPSAX[i] < em) r.EPSAX[i] = em;
    r.EPSVOL[i] = dv / sp.VOLSOS;

    // A plane needs a reading before it to slide from; a plane flagged on
    // reading 1 is reduced as a whole specimen.
    r.ON_PLANE[i] = r.PARA3[i] >= 1.0f && r.JREF >= 1;
    if (r.ON_PLANE[i]) {
        reduce_on_shear_plane(run, sp, r, i, p);
    } else {
        reduce_without_plane(run, sp, r, i, p, dv, em);
        r.JREF = i;
    }

    // Results common to all readings.
    r.ERSIG1[i] = ((r.SIG1C[i] - r.SIG1C[1]) * 100.0f) / r.SIG1C[1];
    r.CUMFPR[i] = r.VLEAK * 0.965f;
    r.SIG1EF[i] = r.SIG1C[i] - r.PP[i];
    r.SIG3EF[i] = r.SIG3C[i] - r.PP[i];
    r.S1_S3[i] = r.SIG1EF[i] / r.SIG3EF[i];
    r.AXSTRN[i] = r.EPSAX[i] * 100.0f;
    r.VOLSTRN[i] = r.EPSVOL[i] * 100.0f;
    // Under mode code 2 the readings carry no clock: the volume option
    // field holds the time in minutes.
    if (in.MODE == 2.0f) r.THOURS = in.VOLOPT / 60.0f;
    r.THOURS = (r.DTMIN[i] / 60.0f) + r.THOURS;
    r.PPKPA[i] = run.KPAFAC * r.PP[i];
    r.SKPA[i] = run.KPAFAC * r.TOT_ST[i];
    r.SEFKPA[i] = run.KPAFAC * r.EFF_NS[i];
    r.TKPA[i] = run.KPAFAC * r.HALF_DEVS[i];

    failure_search_step(r, i);
}

void reduce_readings(Run& run, Specimen& sp, Readings& r) {
    r.IFAIL = 0;
    r.TCFAIL = 0.0f;
    r.IEND = 0;
    const int nread = readings_held(sp.NREAD);
    for (int i = 1; i <= nread; ++i) reduce_reading(run, sp, r, i);
    derive_test_results(run, sp, r);
}

}  // namespace dorvane
