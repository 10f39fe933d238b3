#include "export/export_columns.h"

#include <array>

#include "report/reading_index.h"
#include "specimen/layout_kind.h"

namespace dorvane {

namespace {

template <ReadingArray Readings::*A>
Cell at_reading(const TestView& t, int i) {
    return (t.rd.*A)[i];
}

template <Real InputFields::*M>
Cell input_field(const TestView& t) {
    return t.run.in.*M;
}

template <Real Specimen::*M>
Cell specimen_value(const TestView& t) {
    return t.sp.*M;
}

template <Real Readings::*M>
Cell result_value(const TestView& t) {
    return t.rd.*M;
}

template <int Readings::*M>
Cell result_count(const TestView& t) {
    return t.rd.*M;
}

// Values at the failure reading, as the report takes them (a test without
// readings has failure reading 0, whose elements stay 0).
template <ReadingArray Readings::*A>
Cell at_failure(const TestView& t) {
    return (t.rd.*A)[reading_index(t.rd.IFAIL)];
}

// Values at the ultimate reading: only under report option 9.
template <ReadingArray Readings::*A>
Cell at_ultimate(const TestView& t) {
    if (!ultimate_reported(t.run)) return {};
    return (t.rd.*A)[reading_index(t.rd.IEND)];
}

// The deformation dial as the readings table prints it: the corrected
// deformation in cm over 0.00254, rounded to single precision.
Cell s_dial_mil(const TestView& t, int i) { return Real(t.rd.S_DIAL[i] / 0.00254f); }

Cell on_plane(const TestView& t, int i) { return t.rd.ON_PLANE[i] ? 1 : 0; }

const ReadingColumn kReadingColumns[] = {
    // Clock fields (after the pass that makes them non-decreasing).
    {"DAY_d", at_reading<&Readings::DAY>},
    {"HOUR_h", at_reading<&Readings::HOUR>},
    {"MINUTE_min", at_reading<&Readings::MINUTE>},
    // Readings table.
    {"APP_SIG3_psi", at_reading<&Readings::APP_SIG3>},
    {"DURATION_min", at_reading<&Readings::DURATION>},
    {"VOLCH_cm3", at_reading<&Readings::VOLCH>},
    {"PP_kgf_cm2", at_reading<&Readings::PP>},
    {"PARA2", at_reading<&Readings::PARA2>},
    {"S_DIAL_mil", s_dial_mil},
    {"PR_DIA_div", at_reading<&Readings::PR_DIA>},
    {"PARA3", at_reading<&Readings::PARA3>},
    {"AXSTRN_pct", at_reading<&Readings::AXSTRN>},
    {"VOLSTRN_pct", at_reading<&Readings::VOLSTRN>},
    {"EFF_NS_kgf_cm2", at_reading<&Readings::EFF_NS>},
    {"HALF_DEVS_kgf_cm2", at_reading<&Readings::HALF_DEVS>},
    {"TOT_ST_kgf_cm2", at_reading<&Readings::TOT_ST>},
    {"COR_AR_cm2", at_reading<&Readings::COR_AR>},
    {"ERRAC_pct", at_reading<&Readings::ERRAC>},
    {"S1_S3", at_reading<&Readings::S1_S3>},
    // TABLE 2 (AXSTRN above).
    {"SIG1UC_kgf_cm2", at_reading<&Readings::SIG1UC>},
    {"CMSIG1_kgf_cm2", at_reading<&Readings::CMSIG1>},
    {"SIG1C_kgf_cm2", at_reading<&Readings::SIG1C>},
    {"ERSIG1_pct", at_reading<&Readings::ERSIG1>},
    {"SIG3UC_kgf_cm2", at_reading<&Readings::SIG3UC>},
    {"CMSIG3_kgf_cm2", at_reading<&Readings::CMSIG3>},
    {"SIG3C_kgf_cm2", at_reading<&Readings::SIG3C>},
    {"CMDEDS_kgf_cm2", at_reading<&Readings::CMDEDS>},
    {"CMDELR_kgf_cm2", at_reading<&Readings::CMDELR>},
    {"ERMCBH_pct", at_reading<&Readings::ERMCBH>},
    {"SIG1EF_kgf_cm2", at_reading<&Readings::SIG1EF>},
    {"SIG3EF_kgf_cm2", at_reading<&Readings::SIG3EF>},
    {"CUMFPR_g", at_reading<&Readings::CUMFPR>},
    {"CFSIG1_kgf_cm2", at_reading<&Readings::CFSIG1>},
    {"PERCMB_pct", at_reading<&Readings::PERCMB>},
    {"PERCSD_pct", at_reading<&Readings::PERCSD>},
    // Stress path table (AXSTRN and COR_AR above).
    {"DILRAT", at_reading<&Readings::DILRAT>},
    {"SKPA_kPa", at_reading<&Readings::SKPA>},
    {"PPKPA_kPa", at_reading<&Readings::PPKPA>},
    {"SEFKPA_kPa", at_reading<&Readings::SEFKPA>},
    {"TKPA_kPa", at_reading<&Readings::TKPA>},
    // Reduced on the shear plane (1) or as a whole specimen (0).
    {"PLANE", on_plane},
    // The parts of the corrections and the remaining per-reading values.
    {"CMS1DS_kgf_cm2", at_reading<&Readings::CMS1DS>},
    {"CMS1LR_kgf_cm2", at_reading<&Readings::CMS1LR>},
    {"CMS3DS_kgf_cm2", at_reading<&Readings::CMS3DS>},
    {"CMS3LR_kgf_cm2", at_reading<&Readings::CMS3LR>},
    {"CFS1DS_kgf_cm2", at_reading<&Readings::CFS1DS>},
    {"CFS1LR_kgf_cm2", at_reading<&Readings::CFS1LR>},
    {"DELTAS_pct", at_reading<&Readings::DELTAS>},
    {"S_DIAL_cm", at_reading<&Readings::S_DIAL>},
    {"RAMTRV_cm", at_reading<&Readings::RAMTRV>},
    {"VOL1_cm3", at_reading<&Readings::VOL1>},
    {"VOL2_cm3", at_reading<&Readings::VOL2>},
    {"VOLSEL", at_reading<&Readings::VOLSEL>},
    {"PPSEL", at_reading<&Readings::PPSEL>},
    {"PPAUX", at_reading<&Readings::PPAUX>},
    {"GRDPRS", at_reading<&Readings::GRDPRS>},
    {"TMIN_min", at_reading<&Readings::TMIN>},
    {"DTMIN_min", at_reading<&Readings::DTMIN>},
    {"EPSAX", at_reading<&Readings::EPSAX>},
    {"EPSVOL", at_reading<&Readings::EPSVOL>},
};

Cell test_number(const TestView& t) { return t.run.NTEST; }
Cell layout_of_test(const TestView& t) { return layout_name(t.run); }
// A title line without the blanks that pad it to 80 characters.
Cell title(const TestView& t, int k) {
    std::string_view line = t.run.TITLES[k];
    const size_t end = line.find_last_not_of(' ');
    return line.substr(0, end == std::string_view::npos ? 0 : end + 1);
}
Cell title_1(const TestView& t) { return title(t, 0); }
Cell title_2(const TestView& t) { return title(t, 1); }
Cell title_3(const TestView& t) { return title(t, 2); }
Cell nread(const TestView& t) { return t.sp.NREAD; }
Cell nread80(const TestView& t) { return t.sp.NREAD80; }

const TestColumn kIdentity[] = {
    {"test", test_number},
    {"TESTNO", input_field<&InputFields::TESTNO>},
    {"layout", layout_of_test},
    {"TITLE1", title_1},
    {"TITLE2", title_2},
    {"TITLE3", title_3},
    {"NREAD", nread},
    {"IFAIL", result_count<&Readings::IFAIL>},
    {"IEND", result_count<&Readings::IEND>},
    {"KF", result_count<&Readings::KF>},
};

Cell extflg(const TestView& t) { return t.run.EXTFLG; }
Cell aram(const TestView& t) { return t.run.ARAM; }
Cell ramwt(const TestView& t) { return t.run.RAMWT; }
Cell regopt(const TestView& t) { return t.run.REGOPT; }

const TestColumn kGeneralData[] = {
    {"MODE", input_field<&InputFields::MODE>},
    {"PPFLAG", input_field<&InputFields::PPFLAG>},
    {"PR_RG_CONS_kgf_div", input_field<&InputFields::PR_RG_CONS>},
    {"RAMDIA_cm", input_field<&InputFields::RAMDIA>},
    {"RAMWGT_kgf", input_field<&InputFields::RAMWGT>},
    {"PHIPL_deg", input_field<&InputFields::PHIPL>},
    {"PARREG", input_field<&InputFields::PARREG>},
    {"REPOPT", input_field<&InputFields::REPOPT>},
    {"KGEN2", input_field<&InputFields::KGEN2>},
    {"PSETPR", input_field<&InputFields::PSETPR>},
    {"CPCONS_kgf_cm2", input_field<&InputFields::CPCONS>},
    {"CPSLOP", input_field<&InputFields::CPSLOP>},
    {"PWCONS_kgf_cm2", input_field<&InputFields::PWCONS>},
    {"PWSLOP", input_field<&InputFields::PWSLOP>},
    {"TOPCAP_kgf", input_field<&InputFields::TOPCAP>},
    {"THIRDW_kgf", input_field<&InputFields::THIRDW>},
    {"DIALSC_cm", input_field<&InputFields::DIALSC>},
    {"SLFPR_cm3_min_kgf_cm2", input_field<&InputFields::SLFPR>},
    {"EXTFLG", extflg},
    {"ARAM_cm2", aram},
    {"RAMWT_kgf", ramwt},
    {"REGOPT", regopt},
};

// The test records (the general data fields are in the group above).
const TestColumn kTestRecords[] = {
    {"MCOAT_g", input_field<&InputFields::MCOAT>},
    {"WCINL", input_field<&InputFields::WCINL>},
    {"WCFIN", input_field<&InputFields::WCFIN>},
    {"WSPINL_g", input_field<&InputFields::WSPINL>},
    {"WSPFIN_g", input_field<&InputFields::WSPFIN>},
    {"D_cm", input_field<&InputFields::D>},
    {"DREF_cm", input_field<&InputFields::DREF>},
    {"DIALR0_mil", input_field<&InputFields::DIALR0>},
    {"DIALR1_mil", input_field<&InputFields::DIALR1>},
    {"DIALR2_mil", input_field<&InputFields::DIALR2>},
    {"H_cm", input_field<&InputFields::H>},
    {"GS", input_field<&InputFields::GS>},
    {"ZEROM", input_field<&InputFields::ZEROM>},
    {"FRACA", input_field<&InputFields::FRACA>},
    {"KDHCON", input_field<&InputFields::KDHCON>},
    {"DHCON_cm", input_field<&InputFields::DHCON>},
    {"ALPHA_deg", input_field<&InputFields::ALPHA>},
    {"TFLPR_g", input_field<&InputFields::TFLPR>},
    {"S3IPSI_psi", input_field<&InputFields::S3IPSI>},
    {"ZEROLF_psi", input_field<&InputFields::ZEROLF>},
    {"EXTM_kgf_cm", input_field<&InputFields::EXTM>},
    {"PM_cm", input_field<&InputFields::PM>},
    {"PCFPSD_cm", input_field<&InputFields::PCFPSD>},
    {"MASS_g", input_field<&InputFields::MASS>},
    {"MADDS_g", input_field<&InputFields::MADDS>},
    {"MCOATW_g", input_field<&InputFields::MCOATW>},
    {"MCOATC", input_field<&InputFields::MCOATC>},
    {"DMANR", input_field<&InputFields::DMANR>},
    {"CTOPW_g", input_field<&InputFields::CTOPW>},
    {"CMIDW_g", input_field<&InputFields::CMIDW>},
    {"CBOTW_g", input_field<&InputFields::CBOTW>},
    {"CLEW_g", input_field<&InputFields::CLEW>},
    {"CTOPD_g", input_field<&InputFields::CTOPD>},
    {"CMIDD_g", input_field<&InputFields::CMIDD>},
    {"CBOTD_g", input_field<&InputFields::CBOTD>},
    {"CLED_g", input_field<&InputFields::CLED>},
    {"KCANS", input_field<&InputFields::KCANS>},
    {"ACTKFP_kgf_cm", input_field<&InputFields::ACTKFP>},
    {"SPARE1", input_field<&InputFields::SPARE1>},
    {"SPARE2", input_field<&InputFields::SPARE2>},
    {"SEATF2", input_field<&InputFields::SEATF2>},
    {"SEATF1", input_field<&InputFields::SEATF1>},
    {"FAILMD", input_field<&InputFields::FAILMD>},
    {"DIAL1_mil", input_field<&InputFields::DIAL1>},
    {"KEXTCL", input_field<&InputFields::KEXTCL>},
    {"DIAL2_mil", input_field<&InputFields::DIAL2>},
    {"KBSTN", input_field<&InputFields::KBSTN>},
    {"DIAL3_mil", input_field<&InputFields::DIAL3>},
    {"WUP34_g", input_field<&InputFields::WUP34>},
    {"WUP48_g", input_field<&InputFields::WUP48>},
    {"KPER", input_field<&InputFields::KPER>},
    {"STNRAT_mm_min", input_field<&InputFields::STNRAT>},
    {"KCU", input_field<&InputFields::KCU>},
    {"PPMAX_kgf_cm2", input_field<&InputFields::PPMAX>},
    {"WCSTD", input_field<&InputFields::WCSTD>},
    {"KDWCST", input_field<&InputFields::KDWCST>},
    {"RNREAD", input_field<&InputFields::RNREAD>},
    {"VOLOPT", input_field<&InputFields::VOLOPT>},
    {"PRROVR", input_field<&InputFields::PRROVR>},
    {"DHSHRT_cm", input_field<&InputFields::DHSHRT>},
    {"NEWGEN", input_field<&InputFields::NEWGEN>},
    {"SEATOP", input_field<&InputFields::SEATOP>},
    {"COEF01", input_field<&InputFields::COEF01>},
    {"COEF1M", input_field<&InputFields::COEF1M>},
    {"COEF2M", input_field<&InputFields::COEF2M>},
};

// The bedding and seating lengths as the result lines print them, in
// thousandths of an inch, rounded to single precision.
Cell bedding_mil(const TestView& t) { return Real(t.sp.BEDDING / 0.00254f); }
Cell seating_mil(const TestView& t) { return Real(t.sp.SEATING / 0.00254f); }

const TestColumn kSpecimen[] = {
    {"S3IKGC_kgf_cm2", specimen_value<&Specimen::S3IKGC>},
    {"BEDSTR", specimen_value<&Specimen::BEDSTR>},
    {"PHIPL_rad", specimen_value<&Specimen::PHIPL>},
    {"CS3A1", specimen_value<&Specimen::CS3A1>},
    {"CS3A2", specimen_value<&Specimen::CS3A2>},
    {"CS3A3", specimen_value<&Specimen::CS3A3>},
    {"CDT1", specimen_value<&Specimen::CDT1>},
    {"CDT2", specimen_value<&Specimen::CDT2>},
    {"CRP0", specimen_value<&Specimen::CRP0>},
    {"CRP1", specimen_value<&Specimen::CRP1>},
    {"CRP2", specimen_value<&Specimen::CRP2>},
    {"CRP3", specimen_value<&Specimen::CRP3>},
    {"CRP4", specimen_value<&Specimen::CRP4>},
    {"CRP5", specimen_value<&Specimen::CRP5>},
    {"FPK0", specimen_value<&Specimen::FPK0>},
    {"FPK1", specimen_value<&Specimen::FPK1>},
    {"FPK2", specimen_value<&Specimen::FPK2>},
    {"FPK3", specimen_value<&Specimen::FPK3>},
    {"FPK4", specimen_value<&Specimen::FPK4>},
    {"BEDSNP_pct", specimen_value<&Specimen::BEDSNP>},
    {"ASTNIN_pct", specimen_value<&Specimen::ASTNIN>},
    {"PERBED_pct", specimen_value<&Specimen::PERBED>},
    {"BEDDING_cm", specimen_value<&Specimen::BEDDING>},
    {"BEDDING_mil", bedding_mil},
    {"BEDGMM_mm", specimen_value<&Specimen::BEDGMM>},
    {"AREAINL_cm2", specimen_value<&Specimen::AREAINL>},
    {"AREASOS_cm2", specimen_value<&Specimen::AREASOS>},
    {"VOLINL_cm3", specimen_value<&Specimen::VOLINL>},
    {"MEMC1_kgf_cm2", specimen_value<&Specimen::MEMC1>},
    {"MEMC3_kgf_cm2", specimen_value<&Specimen::MEMC3>},
    {"COSALF", specimen_value<&Specimen::COSALF>},
    {"SINALF", specimen_value<&Specimen::SINALF>},
    {"TANALF", specimen_value<&Specimen::TANALF>},
    {"CLR1", specimen_value<&Specimen::CLR1>},
    {"CLR3", specimen_value<&Specimen::CLR3>},
    {"DENSBK_g_cm3", specimen_value<&Specimen::DENSBK>},
    {"SATINL", specimen_value<&Specimen::SATINL>},
    {"VORINL", specimen_value<&Specimen::VORINL>},
    {"TOP", specimen_value<&Specimen::TOP>},
    {"MID", specimen_value<&Specimen::MID>},
    {"BOT", specimen_value<&Specimen::BOT>},
    {"LE", specimen_value<&Specimen::LE>},
    {"DWSPEC_g", specimen_value<&Specimen::DWSPEC>},
    {"DWC_pct", specimen_value<&Specimen::DWC>},
    {"DWCSTS_pct", specimen_value<&Specimen::DWCSTS>},
    {"DWCUUT_pct", specimen_value<&Specimen::DWCUUT>},
    {"DWCPCU_pct", specimen_value<&Specimen::DWCPCU>},
    {"PER3T4_pct", specimen_value<&Specimen::PER3T4>},
    {"PER3T8_pct", specimen_value<&Specimen::PER3T8>},
    {"DWCLEW_pct", specimen_value<&Specimen::DWCLEW>},
    {"DWCMTE_pct", specimen_value<&Specimen::DWCMTE>},
    {"EXTCLI_mil", specimen_value<&Specimen::EXTCLI>},
    {"BSTNCL", specimen_value<&Specimen::BSTNCL>},
    {"RBGTS3", specimen_value<&Specimen::RBGTS3>},
    {"STGMEC_mm", specimen_value<&Specimen::STGMEC>},
    {"EPSINL", specimen_value<&Specimen::EPSINL>},
    {"DV_VINL", specimen_value<&Specimen::DV_VINL>},
    {"HSOFSH_cm", specimen_value<&Specimen::HSOFSH>},
    {"SGSNME", specimen_value<&Specimen::SGSNME>},
    {"VOLSOS_cm3", specimen_value<&Specimen::VOLSOS>},
    {"SEATING_cm", specimen_value<&Specimen::SEATING>},
    {"SEATING_mil", seating_mil},
    {"STGSTN_pct", specimen_value<&Specimen::STGSTN>},
    {"SEATMM_mm", specimen_value<&Specimen::SEATMM>},
    {"PSGMTT_pct", specimen_value<&Specimen::PSGMTT>},
    {"VOIDRI", specimen_value<&Specimen::VOIDRI>},
    {"VOIDRF", specimen_value<&Specimen::VOIDRF>},
    {"DVOIDR_pct", specimen_value<&Specimen::DVOIDR>},
    {"PORFIN", specimen_value<&Specimen::PORFIN>},
    {"DPOROS_pct", specimen_value<&Specimen::DPOROS>},
    {"CAVITY_pct", specimen_value<&Specimen::CAVITY>},
    {"NREAD80", nread80},
};

// The largest gradient of the seating scan, as the stress-path result lines
// print it, and DELTAS of the last reading, as the KF line prints it.
Cell max_gradient(const TestView& t) { return t.rd.GRDPRS[reading_index(t.rd.IGMAX)]; }
Cell deltas_at_end(const TestView& t) { return t.rd.DELTAS[reading_index(t.sp.NREAD)]; }

const TestColumn kResults[] = {
    {"TCFAIL_h", result_value<&Readings::TCFAIL>},
    {"DEGCON_pct", result_value<&Readings::DEGCON>},
    {"PPSOSH_kgf_cm2", result_value<&Readings::PPSOSH>},
    {"BEDPER_pct", result_value<&Readings::BEDPER>},
    {"STGPER_pct", result_value<&Readings::STGPER>},
    {"DVDH", result_value<&Readings::DVDH>},
    {"DVDU", result_value<&Readings::DVDU>},
    {"PSAT_kgf_cm2", result_value<&Readings::PSAT>},
    {"PPRAT", result_value<&Readings::PPRAT>},
    {"DELTAS_END_pct", deltas_at_end},
    {"SEATCOR_div", result_value<&Readings::SEATCOR>},
    {"IGMAX", result_count<&Readings::IGMAX>},
    {"GRDPRS_MAX", max_gradient},
    {"KPLANE", result_count<&Readings::KPLANE>},
    {"THOURS_h", result_value<&Readings::THOURS>},
    {"VLEAK_cm3", result_value<&Readings::VLEAK>},
};

#define DORVANE_AT(prefix, get, label, unit) {prefix #label unit, get<&Readings::label>}
#define DORVANE_AT_READING(prefix, get)                              \
    DORVANE_AT(prefix, get, AXSTRN, "_pct"),                         \
    DORVANE_AT(prefix, get, VOLSTRN, "_pct"),                        \
    DORVANE_AT(prefix, get, ERSIG1, "_pct"),                         \
    DORVANE_AT(prefix, get, DELTAS, "_pct"),                         \
    DORVANE_AT(prefix, get, CMS1DS, "_kgf_cm2"),                     \
    DORVANE_AT(prefix, get, CMS1LR, "_kgf_cm2"),                     \
    DORVANE_AT(prefix, get, CMS3DS, "_kgf_cm2"),                     \
    DORVANE_AT(prefix, get, CMS3LR, "_kgf_cm2"),                     \
    DORVANE_AT(prefix, get, CFS1DS, "_kgf_cm2"),                     \
    DORVANE_AT(prefix, get, CFS1LR, "_kgf_cm2"),                     \
    DORVANE_AT(prefix, get, PERCMB, "_pct"),                         \
    DORVANE_AT(prefix, get, PERCSD, "_pct"),                         \
    DORVANE_AT(prefix, get, ERMCBH, "_pct"),                         \
    DORVANE_AT(prefix, get, PP, "_kgf_cm2"),                         \
    DORVANE_AT(prefix, get, EFF_NS, "_kgf_cm2"),                     \
    DORVANE_AT(prefix, get, HALF_DEVS, "_kgf_cm2"),                  \
    DORVANE_AT(prefix, get, TOT_ST, "_kgf_cm2"),                     \
    DORVANE_AT(prefix, get, SIG1C, "_kgf_cm2"),                      \
    DORVANE_AT(prefix, get, SIG3C, "_kgf_cm2"),                      \
    DORVANE_AT(prefix, get, SIG1EF, "_kgf_cm2"),                     \
    DORVANE_AT(prefix, get, SIG3EF, "_kgf_cm2"),                     \
    DORVANE_AT(prefix, get, COR_AR, "_cm2"),                         \
    DORVANE_AT(prefix, get, SKPA, "_kPa"),                           \
    DORVANE_AT(prefix, get, PPKPA, "_kPa"),                          \
    DORVANE_AT(prefix, get, SEFKPA, "_kPa"),                         \
    DORVANE_AT(prefix, get, TKPA, "_kPa")

// CMS3LR at failure carries the sign reversal of the test results, as printed.
const TestColumn kAtFailure[] = {DORVANE_AT_READING("FAIL_", at_failure)};
const TestColumn kAtUltimate[] = {DORVANE_AT_READING("ULT_", at_ultimate)};

#undef DORVANE_AT_READING
#undef DORVANE_AT

const TestColumnGroup kGroups[] = {
    {nullptr, kIdentity},
    {"general_data", kGeneralData},
    {"test_records", kTestRecords},
    {"specimen", kSpecimen},
    {"results", kResults},
    {"failure", kAtFailure},
    {"ultimate", kAtUltimate},
};

}  // namespace

std::span<const ReadingColumn> reading_columns() { return kReadingColumns; }

std::span<const TestColumnGroup> test_column_groups() { return kGroups; }

std::span<const TestColumn> general_data_columns() { return kGeneralData; }

std::string_view layout_name(const Run& run) {
    if (extended_layout(run)) return "extended";
    if (short_layout(run)) return "short";
    return "standard";
}

bool ultimate_reported(const Run& run) { return run.in.REPOPT == 9.0f; }

FitsRun fits_run(const Run& run) {
    FitsRun f;
    f.any = run.NTEST > 1 && run.REGOPT > 0;
    const int o = run.REGOPT;
    f.through_origin = f.any && (o == 1 || o == 3 || o == 4 || o == 5);
    f.ordinary = f.any && (o == 2 || o == 3 || o == 5);
    f.power_curve = f.any && (o == 4 || o == 5);
    return f;
}

}  // namespace dorvane
