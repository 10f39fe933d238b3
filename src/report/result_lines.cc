#include "report/result_lines.h"

#include "report/reading_index.h"

namespace dorvane {

void write_full_result_lines(const Run& run, const Specimen& sp, const Readings& rd,
                             OutputUnit& rep) {
    rep.write("(/, ' TIME TO FAILURE =', F7.2, ' HOURS', /)", {rd.TCFAIL});

    // The bedding and seating lengths also in thousandths of an inch.
    rep.write("(/, ' BEDDING=', F7.4, ' CM', 15X, 'BEDDING (AS APPARENT STRAIN   =', F5.2, '%', 4X, 'FRACA=', F8.5, 4X, 'INL. AXL. STRN.=', F5.2, ' %', /, 8X, '=', F6.1, ' 1/1000 IN', 9X, 'BEDDING (% OF CORRECTED STRAIN)  =', F6.1, ' %', 2X, 'BEDDING (% OF INITIAL AXL. STRN.)=', F5.1, ' %', /)",
              {sp.BEDDING, sp.BEDSNP, run.in.FRACA, sp.ASTNIN, sp.BEDDING / 0.00254f, rd.BEDPER,
               sp.PERBED});
    rep.write("(/, ' SEATING=', F7.4, ' CM', 15X, 'SEATING (AS APPARENT STRAIN   =', F5.2, ' %', /, 8X, '=', F6.1, ' 1/1000 IN', 9X, 'SEATING (% OF CORRECTED STRAIN)  =', F6.1, ' %', /)",
              {sp.SEATING, sp.STGSTN, sp.SEATING / 0.00254f, rd.STGPER});

    // DELTAS of the last reading: 0 when it took no failure plane into account.
    const Real delta_at_end = rd.DELTAS[reading_index(sp.NREAD)];
    rep.write("(/, ' KF=', I3, 10X, 'TEST NO:', F5.2, 10X, 'DELTA AT END=', F5.2, ' %', 10X, 'COL. 3/21: DWSPEC=', F6.2, ' G', 8X, 'RAT.MX.PP/PRES.TO SAT.=', F5.2)",
              {rd.KF, run.in.TESTNO, delta_at_end, sp.DWSPEC, rd.PPRAT});
}

void write_stress_path_result_lines(const Run& run, const Specimen&, const Readings& rd,
                                    OutputUnit& rep) {
    rep.write("(/, ' ********     TIME TO FAILURE =', F6.2, ' HOURS; DV/DH AT FAILURE =', F5.2)",
              {rd.TCFAIL, rd.DVDH});
    rep.write("(/, '                                         DV/DU AT END OF TEST =', F5.2, /)",
              {rd.DVDU});
    // The seating option is a code: only exactly 1 or 2 ran the correction.
    const double seating_option = run.in.SEATOP;
    if (seating_option == 1.0f || seating_option == 2.0f) {
        rep.write("('              MAX.SEATING COR.=', F6.1, ' DIVS.;      MAX. GRDPRS =', F6.3)",
                  {rd.SEATCOR, rd.GRDPRS[reading_index(rd.IGMAX)]});
    }
}

}  // namespace dorvane
