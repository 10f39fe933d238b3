// A plain test bench for the reading reduction: standard layout, a
// specimen of 10 cm height and 10 cm2 area, dial read in cm, no membrane,
// no side drains, pore pressures as read, no volume change, ram-weight
// load rule. Each test switches on what it looks at.
#pragma once

#include "readings/readings.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

struct ReadingsBench {
    Run run;
    Specimen sp;
    Readings r;

    ReadingsBench() {
        InputFields& in = run.in;
        in.MODE = 7.5f;
        in.PPFLAG = 1.0f;
        in.PR_RG_CONS = 1.0f;
        in.PSETPR = 2.0f;
        in.VOLOPT = 1.0f;
        in.CPSLOP = 1.0f;
        in.DIALSC = 1.0f;
        in.H = 10.0f;
        in.D = 3.57f;
        in.KCU = 0.0f;
        sp.S3IKGC = 1.0f;
        sp.HSOFSH = 10.0f;
        sp.VOLSOS = 100.0f;
        sp.VOLINL = 100.0f;
        sp.AREASOS = 10.0f;
        sp.TANALF = 1.0f;
        sp.SINALF = 0.7071068f;
        sp.COSALF = 0.7071068f;
        sp.CLR1 = 0.614f;
        sp.CLR3 = 0.614f;
        sp.SATINL = 0.9f;
        sp.FPK0 = 0.008902311f;
        sp.FPK1 = 113.189f;
        sp.FPK2 = -5112.527f;
        sp.FPK3 = 96635.88f;
        sp.FPK4 = -640144.8f;
        clear_reduction_state(r);
    }

    // Cell pressure 1 kgf/cm2 on every reading of the standard layout.
    void set_cell_pressure(int n, float app = 1.0f) {
        for (int i = 1; i <= n; ++i) r.APP_SIG3[i] = app;
    }
};

}  // namespace dorvane
