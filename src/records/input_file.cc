#include "records/input_file.h"

namespace dorvane {

InputLayout read_general_data(Run& run, InputUnit& in, OutputUnit& report) {
    InputFields& f = run.in;
    in.read("(9F8.0)", {f.MODE, f.PPFLAG, f.PR_RG_CONS, f.RAMDIA, f.RAMWGT, f.PHIPL, f.PARREG, f.REPOPT, f.KGEN2});
    f.NEWGEN = 0.0f;
    run.ARAM = run.PI * f.RAMDIA * f.RAMDIA / 4.0f;
    if (f.KGEN2 > 0)
        in.read("(9F8.0)", {f.PSETPR, f.CPCONS, f.CPSLOP, f.PWCONS, f.PWSLOP, f.TOPCAP, f.THIRDW, f.DIALSC, f.SLFPR});
    run.REGOPT = truncate_to_int(f.PARREG);

    if (f.MODE < 7) {
        run.EXTFLG = 0.0f;
        run.RAMWT = f.TOPCAP + f.RAMWGT + f.THIRDW;
        report.write("(/, 28X, ' GENERAL DATA ', /, 29X, 12('-'), /, 3X, 'CELL PRESS.GAUGE  PORE WATER PRESS.GAUGE   RAM AND TOP CAP VALUES ', /, 3X, 16('-'), 2X, 22('-'), 3X, 13('-'), 1X, 8('-'), /, 'CONST=', F6.3, ' KG/CM2   CONST =', F7.3, ' KG/CM2 WT. =', F6.3, ' KGF  PSETPR=', F3.0, /, 'SLOPE=', F7.4, 9X, 'SLOPE =', F7.4, 8X, 'AREA=', F6.3, ' CM2  PARREG=', F3.0)",
                     {f.CPCONS, f.PWCONS, run.RAMWT, f.PSETPR, f.CPSLOP, f.PWSLOP, run.ARAM, f.PARREG});
        report.write("(/, '*** NOTE: A 45-DEG INCL. OF FL. PL. TO HORIZ. IMPLIES THAT NO', /, 10X, 'SUCH PLANE APPEARED.')");
        return InputLayout::Short;
    }
    if (f.MODE >= 7 && f.MODE <= 8) {
        run.EXTFLG = 0.0f;
        return InputLayout::Standard;
    }
    // Above 8, and a mode code that is not a number: the extended layout.
    run.EXTFLG = f.MODE;
    f.MODE = 7.85f;
    return InputLayout::Extended;
}

bool read_title_line(Run& run, InputLayout layout, InputUnit& in, OutputUnit& report) {
    static const Layout& title_layout = layout_of("(20A4)");
    InItem items[20] = {
        {&run.TITLE[0], 4},  {&run.TITLE[4], 4},  {&run.TITLE[8], 4},  {&run.TITLE[12], 4},
        {&run.TITLE[16], 4}, {&run.TITLE[20], 4}, {&run.TITLE[24], 4}, {&run.TITLE[28], 4},
        {&run.TITLE[32], 4}, {&run.TITLE[36], 4}, {&run.TITLE[40], 4}, {&run.TITLE[44], 4},
        {&run.TITLE[48], 4}, {&run.TITLE[52], 4}, {&run.TITLE[56], 4}, {&run.TITLE[60], 4},
        {&run.TITLE[64], 4}, {&run.TITLE[68], 4}, {&run.TITLE[72], 4}, {&run.TITLE[76], 4},
    };
    if (!in.read_or_end(title_layout, items)) return false;
    std::string_view t = run.TITLE;
    std::string_view g[20];
    for (int k = 0; k < 20; ++k) g[k] = t.substr(static_cast<size_t>(4 * k), 4);
    if (layout == InputLayout::Short)
        report.write("(20A4)", {g[0], g[1], g[2], g[3], g[4], g[5], g[6], g[7], g[8], g[9],
                                g[10], g[11], g[12], g[13], g[14], g[15], g[16], g[17], g[18], g[19]});
    else
        report.write("(23X, 20A4)", {g[0], g[1], g[2], g[3], g[4], g[5], g[6], g[7], g[8], g[9],
                                     g[10], g[11], g[12], g[13], g[14], g[15], g[16], g[17], g[18], g[19]});
    return true;
}

void read_standard_records(InputFields& f, InputUnit& in) {
    in.read("(9F8.0)", {f.MCOAT, f.WCINL, f.WCFIN, f.WSPINL, f.WSPFIN, f.D, f.DREF, f.DIALR0, f.DIALR1,
                        f.DIALR2, f.H, f.GS, f.ZEROM, f.FRACA, f.KDHCON, f.DHCON, f.ALPHA, f.TFLPR,
                        f.S3IPSI, f.CPCONS, f.CPSLOP, f.ZEROLF, f.SLFPR, f.EXTM, f.PM, f.PCFPSD, f.MASS,
                        f.MADDS, f.MCOATW, f.MCOATC, f.DMANR});
    in.read("(9F8.0)", {f.TOPCAP, f.THIRDW, f.ACTKFP, f.SPARE1, f.SPARE2, f.SEATF2, f.SEATF1});
    in.read("(9F8.0)", {f.TESTNO, f.FAILMD, f.DIAL1, f.KEXTCL, f.DIAL2, f.KBSTN, f.DIAL3, f.WUP34, f.WUP48,
                        f.KPER, f.STNRAT, f.KCU, f.PPMAX, f.WCSTD, f.KDWCST, f.RNREAD, f.VOLOPT});
}

void read_short_records(InputFields& f, InputUnit& in) {
    in.read("(9F8.0)", {f.S3IPSI, f.PRROVR, f.MASS, f.WCINL, f.GS, f.D, f.H, f.EXTM, f.PM,
                        f.DHSHRT, f.PCFPSD, f.ACTKFP, f.ALPHA, f.WCFIN, f.VOLOPT, f.NEWGEN, f.RNREAD, f.SEATOP});
    if (f.SEATOP == 2.0f || f.SEATOP == 3.0f) in.read("(9F8.0)", {f.COEF01, f.COEF1M, f.COEF2M});
    // The cell pressure in kgf/cm2 is settled with the apparatus constants.
    f.FRACA = f.DHSHRT == 0.0f ? Real(0.9999f) : Real(1.0f - 2.0f * f.DHSHRT / f.H);
    if (f.PRROVR > 0) f.PR_RG_CONS = f.PRROVR;
}

void read_extended_records(InputFields& f, InputUnit& in) {
    in.read("(8F10.0)", {f.MCOAT, f.MASS, f.MADDS, f.MCOATW, f.MCOATC, f.WCINL, f.WSPFIN, f.CTOPW,
                         f.CMIDW, f.CBOTW, f.CLEW, f.CTOPD, f.CMIDD, f.CBOTD, f.CLED, f.KCANS,
                         f.D, f.H, f.GS, f.ZEROM, f.FRACA, f.ALPHA, f.TFLPR, f.S3IPSI,
                         f.DMANR, f.EXTM, f.SLFPR, f.PM, f.PCFPSD, f.WSPINL, f.ZEROLF});
    in.read("(8F10.0)", {f.TOPCAP, f.THIRDW, f.ACTKFP, f.SPARE1, f.SPARE2, f.SEATF2, f.SEATF1});
    in.read("(8F10.0)", {f.TESTNO, f.FAILMD, f.DIAL1, f.KEXTCL, f.DIAL2, f.KBSTN, f.DIAL3, f.WUP34,
                         f.WUP48, f.KPER, f.STNRAT, f.KCU, f.PPMAX, f.WCSTD, f.KDWCST, f.RNREAD});
}

}  // namespace dorvane
