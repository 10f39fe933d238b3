#include "explain/field_names.h"

#include <utility>

namespace dorvane {

std::string input_field_name(const InputFields& f, const Real* p) {
    const std::pair<const Real*, const char*> names[] = {
        {&f.MODE, "MODE"}, {&f.PPFLAG, "PPFLAG"}, {&f.PR_RG_CONS, "PR.RG.CONS"}, {&f.RAMDIA, "RAMDIA"},
        {&f.RAMWGT, "RAMWGT"}, {&f.PHIPL, "PHIPL"}, {&f.PARREG, "PARREG"}, {&f.REPOPT, "REPOPT"},
        {&f.KGEN2, "KGEN2"}, {&f.PSETPR, "PSETPR"}, {&f.CPCONS, "CPCONS"}, {&f.CPSLOP, "CPSLOP"},
        {&f.PWCONS, "PWCONS"}, {&f.PWSLOP, "PWSLOP"}, {&f.TOPCAP, "TOPCAP"}, {&f.THIRDW, "THIRDW"},
        {&f.DIALSC, "DIALSC"}, {&f.SLFPR, "SLFPR"}, {&f.MCOAT, "MCOAT"}, {&f.WCINL, "WCINL"},
        {&f.WCFIN, "WCFIN."}, {&f.WSPINL, "WSPINL"}, {&f.WSPFIN, "WSPFIN"}, {&f.D, "D"},
        {&f.DREF, "DREF"}, {&f.DIALR0, "DIALR0"}, {&f.DIALR1, "DIALR1"}, {&f.DIALR2, "DIALR2"},
        {&f.H, "H"}, {&f.GS, "GS"}, {&f.ZEROM, "ZEROM"}, {&f.FRACA, "FRACA"}, {&f.KDHCON, "KDHCON"},
        {&f.DHCON, "DHCON"}, {&f.ALPHA, "ALPHA"}, {&f.TFLPR, "TFLPR"}, {&f.S3IPSI, "S3IPSI"},
        {&f.ZEROLF, "ZEROLF"}, {&f.EXTM, "EXTM"}, {&f.PM, "PM"}, {&f.PCFPSD, "PCFPSD"},
        {&f.MASS, "MASS"}, {&f.MADDS, "MADDS"}, {&f.MCOATW, "MCOATW"}, {&f.MCOATC, "MCOATC"},
        {&f.DMANR, "DMANR"}, {&f.CTOPW, "CTOPW"}, {&f.CMIDW, "CMIDW"}, {&f.CBOTW, "CBOTW"},
        {&f.CLEW, "CLEW"}, {&f.CTOPD, "CTOPD"}, {&f.CMIDD, "CMIDD"}, {&f.CBOTD, "CBOTD"},
        {&f.CLED, "CLED"}, {&f.KCANS, "KCANS"}, {&f.ACTKFP, "ACTKFP"}, {&f.SPARE1, "SPARE1"},
        {&f.SPARE2, "SPARE2"}, {&f.SEATF2, "SEATF2"}, {&f.SEATF1, "SEATF1"}, {&f.TESTNO, "TESTNO"},
        {&f.FAILMD, "FAILMD"}, {&f.DIAL1, "DIAL1"}, {&f.KEXTCL, "KEXTCL"}, {&f.DIAL2, "DIAL2"},
        {&f.KBSTN, "KBSTN"}, {&f.DIAL3, "DIAL3"}, {&f.WUP34, "WUP34"}, {&f.WUP48, "WUP48"},
        {&f.KPER, "KPER"}, {&f.STNRAT, "STNRAT"}, {&f.KCU, "KCU"}, {&f.PPMAX, "PPMAX"},
        {&f.WCSTD, "WCSTD"}, {&f.KDWCST, "KDWCST"}, {&f.RNREAD, "RNREAD"}, {&f.VOLOPT, "VOLOPT"},
        {&f.PRROVR, "PRROVR"}, {&f.DHSHRT, "DHSHRT"}, {&f.NEWGEN, "NEWGEN"}, {&f.SEATOP, "SEATOP"},
        {&f.COEF01, "COEF01"}, {&f.COEF1M, "COEF1M"}, {&f.COEF2M, "COEF2M"},
    };
    for (const auto& [at, name] : names)
        if (at == p) return name;
    return "";
}

std::string reading_field_name(bool list_directed, bool short_layout, int k) {
    static const char* const free_format[] = {"S.DIAL", "PR.DIA"};
    static const char* const short_fields[] = {"DAY", "HOUR", "MINUTE", "VOL1", "VOL2", "VOLSEL",
                                               "P.P.", "S.DIAL", "PR.DIA", "PARA3", "PPSEL", "PPAUX"};
    static const char* const fields[] = {"APP.SIG3", "DAY", "HOUR", "MINUTE", "VOL1", "VOL2",
                                         "VOLSEL", "P.P.", "PARA2", "S.DIAL", "PR.DIA", "PARA3"};
    if (k < 0) return "";
    if (list_directed) return k < 2 ? free_format[k] : "";
    if (k >= 12) return "";
    return short_layout ? short_fields[k] : fields[k];
}

}  // namespace dorvane
