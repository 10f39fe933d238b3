#include "report/stress_path_table.h"

#include "report/reading_index.h"

namespace dorvane {

void write_stress_path_table(const Run&, const Specimen& sp, const Readings& rd,
                             OutputUnit& rep) {
    rep.write("(/, /, /, 1X, 68('-'))");
    rep.write("(4X, '1', 9X, '2', 9X, '3', 9X, '4', 9X, '5', 9X, '6', 9X, '7', /, 1X, 68('-'))");
    rep.write("(1X, 'AX.STRAIN DIL. RATE CORR.AREA (S1+S3)/2 PORE PRES.(S1+S3)/2 (S1-S3)/2', /, 3X, '(%)', 7X, 'RAT', 7X, '(CM2)     (KPA)', 5X, '(KPA)  EFF.(KPA)  (KPA)', /, 1X, 68('-'))");
    const int rows = reading_rows(sp.NREAD);
    for (int i = 1; i <= rows; ++i) {
        rep.write("(F7.1, F10.2, F10.3, F11.2, 3F10.1)",
                  {rd.AXSTRN[i], rd.DILRAT[i], rd.COR_AR[i], rd.SKPA[i], rd.PPKPA[i],
                   rd.SEFKPA[i], rd.TKPA[i]});
    }
}

}  // namespace dorvane
