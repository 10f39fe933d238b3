#include "specimen/specimen_blocks.h"

#include "specimen/layout_kind.h"

namespace dorvane {

namespace {

void write_coefficient_line(const InputFields& in, OutputUnit& rep) {
    rep.write("(/, 'COEF01=', F9.5, 5X, 'COEF1M=', F10.7, 7X, 'COEF2M=', F10.7)",
              {in.COEF01, in.COEF1M, in.COEF2M});
}

void write_sample_properties(const Run& run, const Specimen& s, OutputUnit& rep) {
    const InputFields& in = run.in;
    rep.write("(/, 11X, 'SAMPLE PROPERTIES', 11X, 'APPARS./TEST PROPERTIES', /, "
              "11X, 17('-'), 11X, 23('-'), /, "
              "'DIAM. =', F6.2, ' CM*WATER CONT=', F6.3, 6X, 'PR.RG.CONS=', F6.4, ' KGF/DIV.', /, "
              "'HEIGHT=', F6.2, ' CM***DENSITY =', F6.3, ' G/CC CELL PRESS.=', F6.3, ' KGF/CM2', /, "
              "'MASS  =', F7.1, ' G*DG.OF SAT.=', F6.3, 6X, 'E MOD.R.MEM=', F5.2, ' KGF/CM', /, "
              "'INCLINATION OF FL.PL.TO HO.=', F5.1, ' DEG   PERIMETER OF FPSD =', F5.1, ' CM', /, "
              "'FRACT.OF INL.AREA BEF.SHEAR=', F8.5, /, "
              "'VOID RATIO=', F6.3, '  POROSITY=', F6.3)",
              {in.D, in.WCINL, in.PR_RG_CONS,
               in.H, s.DENSBK, s.S3IKGC,
               in.MASS, s.SATINL, in.EXTM,
               in.ALPHA, in.PCFPSD,
               in.FRACA,
               s.VOIDRI, s.VORINL});
}

void write_apparatus_constants(const Run& run, const Specimen& s, OutputUnit& rep) {
    const InputFields& in = run.in;
    rep.write("(/, ' APPARATUS CONSTANTS', 8X, "
              "'SPEC.DIMENSIONS  SPEC. INL.PS.  FIN. W/C    CHANGES', 9X, 'TEST RESULTS', 9X, "
              "'MEM./DRAINS', /, "
              "1X, 19('-'), 8X, 15('-'), 2X, 15('-'), 3X, 8('-'), 4X, 7('-'), 9X, 12('-'), 9X, "
              "11('-'), /, "
              "1X, 'P.R.CONST.=', F7.4, ' KG/DIV  DIA.=', F6.2, ' CM   W/C =', F6.3, 7X, "
              "'TOP=', F6.3, '  W/C(F-AV)=', F5.3, '   DV/VINL=', F8.5, 5X, 'EXTM=', F5.3, "
              "'KG/CM', /, "
              "1X, 'ARAM =', F7.3, ' CM2', 10X, 'HT. =', F6.2, ' CM   SR  =', F6.3, 7X, "
              "'MID=', F6.3, '  DWC=', F6.2, ' %', 6X, 'ALPHA=', F6.2, ' DEG', 5X, 'PM=', F6.2, "
              "' CM', /, "
              "1X, 'SLFPR=', F11.8, ' CC/M/KC  HSOFSH=', F5.2, 'CM', 3X, 'DENS=', F6.3, "
              "' G/CC  BOT=', F6.3, '  DWSPEC=', F6.2, ' G   (ALPHA=45 IMPLIES    PCFPSD=', F6.2, "
              "'CM', /, "
              "1X, 'DMANR=', F5.2, '  ZEROM=', F5.2, ' ZEROLF=', F6.2, ' PSI  POR =', F6.3, 7X, "
              "'LE =', F6.3, ' TFLPR=', F5.2, ' G', 6X, 'NO SHEAR PLANE)', 5X, 'GS =', F6.3, /)",
              {in.PR_RG_CONS, in.D, in.WCINL, s.TOP, in.WCFIN, s.DV_VINL, in.EXTM,
               run.ARAM, in.H, s.SATINL, s.MID, s.DWC, in.ALPHA, in.PM,
               in.SLFPR, s.HSOFSH, s.DENSBK, s.BOT, s.DWSPEC, in.PCFPSD,
               in.DMANR, in.ZEROM, in.ZEROLF, s.VORINL, s.LE, in.TFLPR, in.GS});
}

void write_end_of_consolidation(const Specimen& s, OutputUnit& rep) {
    rep.write("(/, ' CONDITIONS AT END OF CONSOLIDATION: PORFIN=', F6.3, 4X, 'VORINL=', F6.3, "
              "5X, 'DPOROS=', F7.2, '  %', /, "
              "37X, 'VOIDRF=', F6.3, 4X, 'VOIDRI=', F6.3, 5X, 'DVOIDR=', F7.2, "
              "'  %     CAVITY=', F6.2, '  %', /, /)",
              {s.PORFIN, s.VORINL, s.DPOROS,
               s.VOIDRF, s.VOIDRI, s.DVOIDR, s.CAVITY});
}

}  // namespace

void write_specimen_blocks(const Run& run, const Specimen& sp, OutputUnit& rep) {
    if (short_layout(run)) {
        // The coefficient record came with the test only for these options.
        if (run.in.SEATOP == 2.0f || run.in.SEATOP == 3.0f) write_coefficient_line(run.in, rep);
        write_sample_properties(run, sp, rep);
    } else {
        write_apparatus_constants(run, sp, rep);
        write_end_of_consolidation(sp, rep);
    }
}

}  // namespace dorvane
