// Every value of the exports, read back, prints as the report printed it:
// each report line of a test (specimen blocks, reading tables, stress path
// table, result lines, one-row tables, summary and envelope lines) is
// formed again from the CSV values and from the JSON values with the
// report's own layout, and must stand in the report, in order.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "driver/batch.h"
#include "records/output_unit.h"

namespace dorvane {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const fs::path kExamples = fs::path(DORVANE_TEST_DATA) / ".." / ".." / "examples";

std::string slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// RFC 4180 records: quoted fields may hold commas, quotes (doubled) and line ends.
std::vector<std::vector<std::string>> parse_csv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') field += text[++i];
            else if (c == '"') quoted = false;
            else field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(field);
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            row.push_back(field);
            field.clear();
            rows.push_back(row);
            row.clear();
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(row.empty() && field.empty()) << "last record without CR LF";
    return rows;
}

using Record = std::map<std::string, std::string>;

std::vector<Record> csv_records(const fs::path& p) {
    const auto rows = parse_csv(slurp(p));
    std::vector<Record> records;
    for (size_t r = 1; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r].size(), rows[0].size()) << p << " record " << r;
        Record rec;
        for (size_t c = 0; c < rows[0].size() && c < rows[r].size(); ++c) rec[rows[0][c]] = rows[r][c];
        records.push_back(rec);
    }
    return records;
}

float csv_number(const Record& rec, const std::string& name) {
    auto it = rec.find(name);
    EXPECT_NE(it, rec.end()) << "no column " << name;
    if (it == rec.end() || it->second.empty()) return std::nanf("");
    return std::strtof(it->second.c_str(), nullptr);
}

// A JSON value by key, in the object or one of its nested objects.
const Json* json_find(const Json& obj, const std::string& name) {
    if (obj.contains(name)) return &obj[name];
    for (const auto& [key, value] : obj.items())
        if (value.is_object() && value.contains(name)) return &value[name];
    return nullptr;
}

float json_number(const Json& obj, const std::string& name) {
    const Json* v = json_find(obj, name);
    EXPECT_NE(v, nullptr) << "no key " << name;
    if (!v || v->is_null()) return std::nanf("");
    return static_cast<float>(v->get<double>());
}

// The values of one test, from one of the two exports.
struct TestValues {
    std::function<float(const std::string&)> test;
    std::function<float(int, const std::string&)> reading;
    std::function<std::string(const std::string&)> text;
};

// The values of the envelope: the fits record, test k, strength k.
struct EnvelopeValues {
    std::function<float(const std::string&)> fits;
    std::function<float(int, const std::string&)> pair;
    std::function<float(int, const std::string&)> strength;
};

// Report lines, searched in order.
struct ReportLines {
    std::vector<std::string> lines;
    size_t at = 0;

    explicit ReportLines(const std::string& report) {
        std::istringstream s(report);
        for (std::string line; std::getline(s, line);) lines.push_back(line);
    }

    // Every line of the records formed by one WRITE must follow in the report.
    void expect(const char* layout, std::initializer_list<OutItem> items, const std::string& what) {
        std::string text;
        {
            OutputUnit unit(&text);
            unit.write(layout, items);
        }
        std::istringstream s(text);
        for (std::string line; std::getline(s, line);) {
            size_t k = at;
            while (k < lines.size() && lines[k] != line) ++k;
            if (k == lines.size()) {
                ADD_FAILURE() << what << ": no report line after line " << at + 1 << " reads\n["
                              << line << "]";
                return;
            }
            at = k + 1;
        }
    }
};

std::string padded(std::string s, size_t n) {
    s.resize(n, ' ');
    return s;
}

void expect_test(ReportLines& rep, const TestValues& x, const std::string& source) {
    auto v = [&](const char* name) { return x.test(name); };
    const int nread = static_cast<int>(v("NREAD"));
    const std::string what = source + " test " + std::to_string(static_cast<int>(v("test")));
    const std::string layout = x.text("layout");
    const bool short_layout = layout == "short";

    for (const char* title : {"TITLE1", "TITLE2", "TITLE3"}) {
        const std::string line = padded(x.text(title), 80);
        if (short_layout) rep.expect("(A)", {line}, what + " title");
        else rep.expect("(23X, A)", {line}, what + " title");
    }

    if (short_layout) {
        if (v("SEATOP") == 2.0f || v("SEATOP") == 3.0f)
            rep.expect("(/, 'COEF01=', F9.5, 5X, 'COEF1M=', F10.7, 7X, 'COEF2M=', F10.7)",
                       {v("COEF01"), v("COEF1M"), v("COEF2M")}, what + " coefficients");
        rep.expect("(/, 11X, 'SAMPLE PROPERTIES', 11X, 'APPARS./TEST PROPERTIES', /, 11X, 17('-'), 11X, 23('-'), /, 'DIAM. =', F6.2, ' CM*WATER CONT=', F6.3, 6X, 'PR.RG.CONS=', F6.4, ' KGF/DIV.', /, 'HEIGHT=', F6.2, ' CM***DENSITY =', F6.3, ' G/CC CELL PRESS.=', F6.3, ' KGF/CM2', /, 'MASS  =', F7.1, ' G*DG.OF SAT.=', F6.3, 6X, 'E MOD.R.MEM=', F5.2, ' KGF/CM', /, 'INCLINATION OF FL.PL.TO HO.=', F5.1, ' DEG   PERIMETER OF FPSD =', F5.1, ' CM', /, 'FRACT.OF INL.AREA BEF.SHEAR=', F8.5, /, 'VOID RATIO=', F6.3, '  POROSITY=', F6.3)",
                   {v("D_cm"), v("WCINL"), v("PR_RG_CONS_kgf_div"), v("H_cm"), v("DENSBK_g_cm3"),
                    v("S3IKGC_kgf_cm2"), v("MASS_g"), v("SATINL"), v("EXTM_kgf_cm"), v("ALPHA_deg"),
                    v("PCFPSD_cm"), v("FRACA"), v("VOIDRI"), v("VORINL")},
                   what + " sample properties");
    } else {
        rep.expect("(/, ' APPARATUS CONSTANTS', 8X, 'SPEC.DIMENSIONS  SPEC. INL.PS.  FIN. W/C    CHANGES', 9X, 'TEST RESULTS', 9X, 'MEM./DRAINS', /, 1X, 19('-'), 8X, 15('-'), 2X, 15('-'), 3X, 8('-'), 4X, 7('-'), 9X, 12('-'), 9X, 11('-'), /, 1X, 'P.R.CONST.=', F7.4, ' KG/DIV  DIA.=', F6.2, ' CM   W/C =', F6.3, 7X, 'TOP=', F6.3, '  W/C(F-AV)=', F5.3, '   DV/VINL=', F8.5, 5X, 'EXTM=', F5.3, 'KG/CM', /, 1X, 'ARAM =', F7.3, ' CM2', 10X, 'HT. =', F6.2, ' CM   SR  =', F6.3, 7X, 'MID=', F6.3, '  DWC=', F6.2, ' %', 6X, 'ALPHA=', F6.2, ' DEG', 5X, 'PM=', F6.2, ' CM', /, 1X, 'SLFPR=', F11.8, ' CC/M/KC  HSOFSH=', F5.2, 'CM', 3X, 'DENS=', F6.3, ' G/CC  BOT=', F6.3, '  DWSPEC=', F6.2, ' G   (ALPHA=45 IMPLIES    PCFPSD=', F6.2, 'CM', /, 1X, 'DMANR=', F5.2, '  ZEROM=', F5.2, ' ZEROLF=', F6.2, ' PSI  POR =', F6.3, 7X, 'LE =', F6.3, ' TFLPR=', F5.2, ' G', 6X, 'NO SHEAR PLANE)', 5X, 'GS =', F6.3, /)",
                   {v("PR_RG_CONS_kgf_div"), v("D_cm"), v("WCINL"), v("TOP"), v("WCFIN"), v("DV_VINL"),
                    v("EXTM_kgf_cm"), v("ARAM_cm2"), v("H_cm"), v("SATINL"), v("MID"), v("DWC_pct"),
                    v("ALPHA_deg"), v("PM_cm"), v("SLFPR_cm3_min_kgf_cm2"), v("HSOFSH_cm"),
                    v("DENSBK_g_cm3"), v("BOT"), v("DWSPEC_g"), v("PCFPSD_cm"), v("DMANR"), v("ZEROM"),
                    v("ZEROLF_psi"), v("VORINL"), v("LE"), v("TFLPR_g"), v("GS")},
                   what + " apparatus constants");
        rep.expect("(/, ' CONDITIONS AT END OF CONSOLIDATION: PORFIN=', F6.3, 4X, 'VORINL=', F6.3, 5X, 'DPOROS=', F7.2, '  %', /, 37X, 'VOIDRF=', F6.3, 4X, 'VOIDRI=', F6.3, 5X, 'DVOIDR=', F7.2, '  %     CAVITY=', F6.2, '  %', /, /)",
                   {v("PORFIN"), v("VORINL"), v("DPOROS_pct"), v("VOIDRF"), v("VOIDRI"),
                    v("DVOIDR_pct"), v("CAVITY_pct")},
                   what + " end of consolidation");
    }

    const float repopt = v("REPOPT");
    if (repopt == 7.0f || repopt == 9.0f) {
        for (int i = 1; i <= nread; ++i) {
            auto r = [&](const char* name) { return x.reading(i, name); };
            rep.expect("(F7.1, F10.2, F10.3, F11.2, 3F10.1)",
                       {r("AXSTRN_pct"), r("DILRAT"), r("COR_AR_cm2"), r("SKPA_kPa"), r("PPKPA_kPa"),
                        r("SEFKPA_kPa"), r("TKPA_kPa")},
                       what + " stress path reading " + std::to_string(i));
        }
        rep.expect("(/, ' ********     TIME TO FAILURE =', F6.2, ' HOURS; DV/DH AT FAILURE =', F5.2)",
                   {v("TCFAIL_h"), v("DVDH")}, what + " time to failure");
        rep.expect("(/, '                                         DV/DU AT END OF TEST =', F5.2, /)",
                   {v("DVDU")}, what + " DV/DU");
        if (v("SEATOP") == 1.0f || v("SEATOP") == 2.0f)
            rep.expect("('              MAX.SEATING COR.=', F6.1, ' DIVS.;      MAX. GRDPRS =', F6.3)",
                       {v("SEATCOR_div"), v("GRDPRS_MAX")}, what + " seating correction");
        return;
    }
    if (repopt == 8.0f) return;

    for (int i = 1; i <= nread; ++i) {
        auto r = [&](const char* name) { return x.reading(i, name); };
        rep.expect("(F7.2, F9.1, F7.2, F9.3, F7.1, 3F7.1, F7.3, F9.3, 3F8.3, F9.2, F7.2, F7.3)",
                   {r("APP_SIG3_psi"), r("DURATION_min"), r("VOLCH_cm3"), r("PP_kgf_cm2"), r("PARA2"),
                    r("S_DIAL_mil"), r("PR_DIA_div"), r("PARA3"), r("AXSTRN_pct"), r("VOLSTRN_pct"),
                    r("EFF_NS_kgf_cm2"), r("HALF_DEVS_kgf_cm2"), r("TOT_ST_kgf_cm2"), r("COR_AR_cm2"),
                    r("ERRAC_pct"), r("S1_S3")},
                   what + " readings table reading " + std::to_string(i));
    }
    for (int i = 1; i <= nread; ++i) {
        auto r = [&](const char* name) { return x.reading(i, name); };
        rep.expect("(F7.3, 2F8.3, F7.3, F7.2, F8.3, F9.3, F8.3, 6F8.3, F7.3, F5.2, F8.2)",
                   {r("AXSTRN_pct"), r("SIG1UC_kgf_cm2"), r("CMSIG1_kgf_cm2"), r("SIG1C_kgf_cm2"),
                    r("ERSIG1_pct"), r("SIG3UC_kgf_cm2"), r("CMSIG3_kgf_cm2"), r("SIG3C_kgf_cm2"),
                    r("CMDEDS_kgf_cm2"), r("CMDELR_kgf_cm2"), r("ERMCBH_pct"), r("SIG1EF_kgf_cm2"),
                    r("SIG3EF_kgf_cm2"), r("CUMFPR_g"), r("CFSIG1_kgf_cm2"), r("PERCMB_pct"),
                    r("PERCSD_pct")},
                   what + " TABLE 2 reading " + std::to_string(i));
    }
    rep.expect("(/, ' TIME TO FAILURE =', F7.2, ' HOURS', /)", {v("TCFAIL_h")}, what + " time to failure");
    rep.expect("(/, ' BEDDING=', F7.4, ' CM', 15X, 'BEDDING (AS APPARENT STRAIN   =', F5.2, '%', 4X, 'FRACA=', F8.5, 4X, 'INL. AXL. STRN.=', F5.2, ' %', /, 8X, '=', F6.1, ' 1/1000 IN', 9X, 'BEDDING (% OF CORRECTED STRAIN)  =', F6.1, ' %', 2X, 'BEDDING (% OF INITIAL AXL. STRN.)=', F5.1, ' %', /)",
               {v("BEDDING_cm"), v("BEDSNP_pct"), v("FRACA"), v("ASTNIN_pct"), v("BEDDING_mil"),
                v("BEDPER_pct"), v("PERBED_pct")},
               what + " bedding");
    rep.expect("(/, ' SEATING=', F7.4, ' CM', 15X, 'SEATING (AS APPARENT STRAIN   =', F5.2, ' %', /, 8X, '=', F6.1, ' 1/1000 IN', 9X, 'SEATING (% OF CORRECTED STRAIN)  =', F6.1, ' %', /)",
               {v("SEATING_cm"), v("STGSTN_pct"), v("SEATING_mil"), v("STGPER_pct")}, what + " seating");
    rep.expect("(/, ' KF=', I3, 10X, 'TEST NO:', F5.2, 10X, 'DELTA AT END=', F5.2, ' %', 10X, 'COL. 3/21: DWSPEC=', F6.2, ' G', 8X, 'RAT.MX.PP/PRES.TO SAT.=', F5.2)",
               {static_cast<int>(v("KF")), v("TESTNO"), v("DELTAS_END_pct"), v("DWSPEC_g"), v("PPRAT")},
               what + " KF line");
    rep.expect("(F9.3, F7.2, F9.3, F7.3, F8.3, F9.3, F7.2, F7.1, F9.1, F16.2, F8.1, F8.1, F8.3, F9.5, F8.4)",
               {v("WCINL"), v("DWCSTS_pct"), v("D_cm"), v("H_cm"), v("DENSBK_g_cm3"), v("SATINL"),
                v("CAVITY_pct"), v("PER3T4_pct"), v("PER3T8_pct"), v("TESTNO"), v("S3IPSI_psi"),
                v("DEGCON_pct"), v("PPSOSH_kgf_cm2"), v("STNRAT_mm_min"), v("FRACA")},
               what + " table A");
    rep.expect("(F8.2, F8.2, F8.1, F8.2, F9.4, F7.2, F8.2, F8.1, F8.1, F8.3, 4F8.2, F10.7, F7.3)",
               {v("ASTNIN_pct"), v("BEDGMM_mm"), v("PERBED_pct"), v("STGMEC_mm"), v("SGSNME"),
                v("SEATMM_mm"), v("STGSTN_pct"), v("PSGMTT_pct"), v("TCFAIL_h"), v("WCFIN"),
                v("DWCUUT_pct"), v("DWCPCU_pct"), v("DWCLEW_pct"), v("DWCMTE_pct"),
                v("SLFPR_cm3_min_kgf_cm2"), v("EXTM_kgf_cm")},
               what + " table B");
    rep.expect("(F8.2, F16.2, F7.0, F9.1, F8.2, 2F8.1, F8.2, F8.2, F9.1, 3F8.3, F7.3, F9.3)",
               {v("ACTKFP_kgf_cm"), v("TESTNO"), v("FAILMD"), v("ALPHA_deg"), v("FAIL_DELTAS_pct"),
                v("BEDPER_pct"), v("STGPER_pct"), v("FAIL_AXSTRN_pct"), v("FAIL_VOLSTRN_pct"),
                v("FAIL_ERSIG1_pct"), v("FAIL_CMS1DS_kgf_cm2"), v("FAIL_CMS1LR_kgf_cm2"),
                v("FAIL_CMS3DS_kgf_cm2"), v("FAIL_CMS3LR_kgf_cm2"), v("FAIL_CFS1DS_kgf_cm2")},
               what + " table C");
    rep.expect("(F9.3, F6.1, F9.1, F8.1, F9.3, F7.3, F8.3, F16.1, F9.3, F7.2, F9.4, F9.6, F6.2)",
               {v("FAIL_CFS1LR_kgf_cm2"), v("FAIL_PERCMB_pct"), v("FAIL_PERCSD_pct"),
                v("FAIL_ERMCBH_pct"), v("FAIL_PP_kgf_cm2"), v("FAIL_EFF_NS_kgf_cm2"),
                v("FAIL_HALF_DEVS_kgf_cm2"), v("S3IPSI_psi"), v("S3IKGC_kgf_cm2"), v("EXTCLI_mil"),
                v("BSTNCL"), v("RBGTS3"), v("BEDSNP_pct")},
               what + " table D");
}

void expect_envelope(ReportLines& rep, const EnvelopeValues& e, int tests, float repopt,
                     const std::string& source) {
    auto f = [&](const char* name) { return e.fits(name); };
    const bool origin = f("through_origin") == 1.0f;
    const bool ordinary = f("ordinary_linear") == 1.0f;
    const bool power = f("power_curve") == 1.0f;
    const std::string what = source + " envelope";
    if (!origin && !ordinary && !power && tests < 2) return;
    if (repopt == 9.0f)
        rep.expect("(/, 1X, ' SUMMARY OF ALL TESTS:', 17X, 'AT             AT', /, 2X, 'NOTE: SIG = (S1+S3)/2 (KPA)', 7X, '  PEAK STR.      ULT. STR.   ', /, 8X, 'TAU = (S1-S3)/2 (KPA)', 7X, 'SIG    TAU      SIG    TAU', /, 36X, 28('-'))", {}, what);
    else
        rep.expect("(/, 1X, ' SUMMARY OF ALL TESTS:', 20X, 'AT PEAK STRENGTH ', /, 2X, 'NOTE: SIG = (S1+S3)/2 (KPA)', 7X, 'EFFECTIVE STR.   TOTAL STRESS', /, 8X, 'TAU = (S1-S3)/2 (KPA)', 7X, 'SIG    TAU      SIG    TAU', /, 36X, 28('-'))", {}, what);
    for (int k = 1; k <= tests; ++k)
        rep.expect("(34X, 6(2F7.1, 2X))",
                   {e.pair(k, "SIG_1_kPa"), e.pair(k, "TAU_1_kPa"), e.pair(k, "SIG_2_kPa"),
                    e.pair(k, "TAU_2_kPa")},
                   what + " summary row " + std::to_string(k));
    if (origin) {
        rep.expect("(/, ' COEF. OF CORRELATION FOR C = ZERO:', F10.6, F16.6)", {f("COFZRC_1"), f("COFZRC_2")}, what);
        rep.expect("(/, ' REGR.FORCED THRO.ORIGIN.PHI (deg):', 3X, F7.3, 5(1X, F15.3))", {f("PHIZRC_1_deg"), f("PHIZRC_2_deg")}, what);
    }
    if (ordinary) {
        rep.expect("(/, ' COEF. OF COR. WITH C, COFCOR:', 6F16.6)", {f("COFCOR_1"), f("COFCOR_2")}, what);
        rep.expect("(/, ' ORDINARY LINEAR REGR.COHESN (kPa):', 3X, F7.3, 5(1X, F15.3))", {f("COHESN_1_kPa"), f("COHESN_2_kPa")}, what);
        rep.expect("(22X, 'PHILRG (deg):', 3X, F7.3, 5(1X, F15.3))", {f("PHILRG_1_deg"), f("PHILRG_2_deg")}, what);
    }
    if (power) {
        rep.expect("(/, ' POWER CURVE FIT: COEF.OF COR:', 6F16.6)", {f("COFCOR_POWER_1"), f("COFCOR_POWER_2")}, what);
        rep.expect("(28X, 'ACONST:', 3X, F7.4, 5(1X, F15.4))", {f("ACONST_1"), f("ACONST_2")}, what);
        rep.expect("(28X, 'BEXPNT:', 3X, F7.4, 5(1X, F15.4))", {f("BEXPNT_1"), f("BEXPNT_2")}, what);
        auto s = [&](int k, const char* name) { return e.strength(k, name); };
        rep.expect("(/, ' STRENGTH FOR FOLLOWING (S1+S3)/2:', 1X, 6(F6.1, 1X))",
                   {s(1, "SIG_1_kPa"), s(2, "SIG_1_kPa"), s(3, "SIG_1_kPa"), s(4, "SIG_1_kPa"),
                    s(5, "SIG_1_kPa")},
                   what);
        rep.expect("(1X, '((S1-S3)/2)F=', F6.4, '*SIG**', F6.4, ' : ', 6(F6.1, 1X))",
                   {f("ACONST_1"), f("BEXPNT_1"), s(1, "TAU_1_kPa"), s(2, "TAU_1_kPa"),
                    s(3, "TAU_1_kPa"), s(4, "TAU_1_kPa"), s(5, "TAU_1_kPa")},
                   what);
    }
}

// An example with the report option and PARREG of its first general data
// record replaced (fields 7 and 8, columns 49 to 64).
std::string with_options(std::string text, const char* parreg, const char* repopt) {
    char fields[17];
    std::snprintf(fields, sizeof fields, "%8s%8s", parreg, repopt);
    text.replace(48, 16, fields);
    return text;
}

struct Variant {
    std::string example;
    const char* parreg;
    const char* repopt;
};

void PrintTo(const Variant& v, std::ostream* os) {
    *os << v.example << " PARREG " << v.parreg << " report option " << v.repopt;
}

class ExportsReadBack : public ::testing::TestWithParam<Variant> {};

TEST_P(ExportsReadBack, EveryValuePrintsAsTheReportPrintsIt) {
    const Variant& c = GetParam();
    char name[] = "/tmp/dorvane-export-XXXXXX";
    const fs::path dir = mkdtemp(name);
    {
        std::ofstream f(dir / "IN.DAT", std::ios::binary);
        f << with_options(slurp(kExamples / c.example), c.parreg, c.repopt);
    }
    BatchRequest req;
    req.inputs = {(dir / "IN.DAT").string()};
    req.report = (dir / "R.OUT").string();
    req.csv_dir = (dir / "csv").string();
    req.json = (dir / "r.json").string();
    ASSERT_EQ(run_batch(req), 0);
    const std::string report = slurp(dir / "R.OUT");

    const std::vector<Record> tests = csv_records(dir / "csv" / "tests.csv");
    const std::vector<Record> readings = csv_records(dir / "csv" / "readings.csv");
    const std::vector<Record> envelope = csv_records(dir / "csv" / "envelope.csv");
    const Json doc = Json::parse(slurp(dir / "r.json"));
    const Json& run = doc.at("run");
    ASSERT_GE(tests.size(), 3u);
    ASSERT_EQ(run.at("tests").size(), tests.size());
    EXPECT_EQ(run.at("status"), 0);

    for (const char* source : {"CSV", "JSON"}) {
        const bool csv = std::string(source) == "CSV";
        ReportLines rep(report);
        rep.expect("(' *** ', A, ' :  ', A, ' RUN ON DORVANE OF 6 July 2006 ***')",
                   {run.at("report_name").get<std::string>(), run.at("input_name").get<std::string>()},
                   "header");
        size_t first_reading = 0;
        for (size_t k = 0; k < tests.size(); ++k) {
            const Json& jt = run.at("tests")[k];
            TestValues x;
            if (csv) {
                const Record& t = tests[k];
                x.test = [&](const std::string& n) { return csv_number(t, n); };
                x.text = [&](const std::string& n) { return t.at(n); };
                x.reading = [&, first_reading](int i, const std::string& n) {
                    const Record& r = readings.at(first_reading + i - 1);
                    EXPECT_EQ(r.at("reading"), std::to_string(i));
                    EXPECT_EQ(r.at("test"), t.at("test"));
                    return csv_number(r, n);
                };
            } else {
                x.test = [&](const std::string& n) { return json_number(jt, n); };
                x.text = [&](const std::string& n) { return jt.at(n).get<std::string>(); };
                x.reading = [&](int i, const std::string& n) {
                    const Json& r = jt.at("readings").at(i - 1);
                    EXPECT_EQ(r.at("reading"), i);
                    return json_number(r, n);
                };
            }
            expect_test(rep, x, source);
            first_reading += static_cast<size_t>(x.test("NREAD"));
        }
        EXPECT_EQ(first_reading, readings.size());

        EnvelopeValues e;
        const Json& je = run.at("envelope");
        auto find_record = [&](const char* kind, int number) -> const Record& {
            for (const Record& r : envelope)
                if (r.at("record") == kind && (number == 0 || r.at("number") == std::to_string(number)))
                    return r;
            ADD_FAILURE() << "no envelope record " << kind << " " << number;
            return envelope.at(0);
        };
        if (csv) {
            e.fits = [&](const std::string& n) { return csv_number(find_record("fits", 0), n); };
            e.pair = [&](int k, const std::string& n) { return csv_number(find_record("test", k), n); };
            e.strength = [&](int k, const std::string& n) { return csv_number(find_record("strength", k), n); };
        } else {
            e.fits = [&](const std::string& n) {
                if (je.contains(n)) return je.at(n).get<bool>() ? 1.0f : 0.0f;
                if (n == "SIGTOP_kPa") return json_number(je, n);
                const int set = n.find("_1") != std::string::npos ? 0 : 1;
                std::string key = n;
                key.erase(key.find(set == 0 ? "_1" : "_2"), 2);
                return json_number(je.at("result_sets").at(set), key);
            };
            e.pair = [&](int k, const std::string& n) { return json_number(je.at("tests").at(k - 1), n); };
            e.strength = [&](int k, const std::string& n) {
                return json_number(je.at("strength_table").at(k - 1),
                                   n == "SIG_1_kPa" ? "SIGFOL_kPa" : "TAUFOL_kPa");
            };
        }
        expect_envelope(rep, e, static_cast<int>(tests.size()), std::strtof(c.repopt, nullptr), source);
    }
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExportsReadBack,
    ::testing::Values(Variant{"cu_clay_standard.dat", "5", "0"}, Variant{"cu_clay_standard.dat", "4", "9"},
                      Variant{"uu_clay_short.dat", "5", "0"}, Variant{"uu_clay_short.dat", "3", "7"},
                      Variant{"cd_sand_extended.dat", "5", "0"}, Variant{"cd_sand_extended.dat", "2", "9"}),
    [](const ::testing::TestParamInfo<Variant>& info) {
        std::string n = info.param.example.substr(0, info.param.example.find('.')) + "_parreg" +
                        info.param.parreg + "_option" + info.param.repopt;
        return n;
    });

}  // namespace
}  // namespace dorvane
