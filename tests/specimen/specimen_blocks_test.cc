#include "specimen/specimen_blocks.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "specimen/apparatus.h"

namespace dorvane {
namespace {

std::string records(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Values chosen so that every field shows its own digits; the expected
// lines were laid out column by column from the block descriptions.
struct StandardFixture {
    dorvane::Run run;
    Specimen s;
    StandardFixture() {
        InputFields& in = run.in;
        in.MODE = 7.0f;
        in.PR_RG_CONS = 1.365f;
        in.D = 3.8635f;
        in.WCINL = 0.25f;
        in.WCFIN = 0.22f;
        in.EXTM = 0.6f;
        run.ARAM = 18.4f;
        in.H = 8.0f;
        in.ALPHA = 45.0f;
        in.PM = 11.9f;
        in.SLFPR = 0.00012345f;
        in.PCFPSD = 5.5f;
        in.DMANR = 1.5f;
        in.ZEROM = 10.25f;
        in.ZEROLF = -2.5f;
        in.TFLPR = 3.25f;
        in.GS = 2.7f;
        s.TOP = 0.221f;
        s.MID = 0.223f;
        s.BOT = 0.219f;
        s.LE = 0.218f;
        s.DV_VINL = -0.0375f;
        s.SATINL = 0.9f;
        s.DWC = -100.0f;  // needs seven characters
        s.HSOFSH = 7.9f;
        s.DENSBK = 2.0f;
        s.DWSPEC = -4.0f;
        s.VORINL = 0.4f;
        s.PORFIN = 0.38f;
        s.DPOROS = -5.25f;
        s.VOIDRF = 0.6f;
        s.VOIDRI = 0.667f;
        s.DVOIDR = -7.5f;
        s.CAVITY = NAN;
    }
};

TEST(SpecimenBlocks, StandardLayoutApparatusAndEndOfConsolidation) {
    StandardFixture f;
    std::string out;
    {
        OutputUnit rep(&out);
        write_specimen_blocks(f.run, f.s, rep);
    }
    EXPECT_EQ(out, records({
        "",
        " APPARATUS CONSTANTS        SPEC.DIMENSIONS  SPEC. INL.PS.  FIN. W/C    CHANGES         TEST RESULTS         MEM./DRAINS",
        " -------------------        ---------------  ---------------   --------    -------         ------------         -----------",
        " P.R.CONST.= 1.3650 KG/DIV  DIA.=  3.86 CM   W/C = 0.250       TOP= 0.221  W/C(F-AV)=0.220   DV/VINL=-0.03750     EXTM=0.600KG/CM",
        " ARAM = 18.400 CM2          HT. =  8.00 CM   SR  = 0.900       MID= 0.223  DWC=****** %      ALPHA= 45.00 DEG     PM= 11.90 CM",
        " SLFPR= 0.00012345 CC/M/KC  HSOFSH= 7.90CM   DENS= 2.000 G/CC  BOT= 0.219  DWSPEC= -4.00 G   (ALPHA=45 IMPLIES    PCFPSD=  5.50CM",
        " DMANR= 1.50  ZEROM=10.25 ZEROLF= -2.50 PSI  POR = 0.400       LE = 0.218 TFLPR= 3.25 G      NO SHEAR PLANE)     GS = 2.700",
        "",
        "",
        " CONDITIONS AT END OF CONSOLIDATION: PORFIN= 0.380    VORINL= 0.400     DPOROS=  -5.25  %",
        "                                     VOIDRF= 0.600    VOIDRI= 0.667     DVOIDR=  -7.50  %     CAVITY= NaN    %",
        "",
        "",
    }));
}

TEST(SpecimenBlocks, ExtendedLayoutPrintsTheFixedApparatus) {
    StandardFixture f;
    f.run.EXTFLG = 9.0f;
    f.run.in.MODE = 7.85f;
    f.run.in.PR_RG_CONS = 2.0f;
    f.run.in.EXTM = 1.2f;
    f.run.in.S3IPSI = 80.0f;
    settle_apparatus(f.run, f.s);
    std::string out;
    {
        OutputUnit rep(&out);
        write_specimen_blocks(f.run, f.s, rep);
    }
    EXPECT_NE(out.find("\r\n P.R.CONST.= 1.3650 KG/DIV  DIA.="), std::string::npos) << out;
    EXPECT_NE(out.find("EXTM=0.600KG/CM\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\r\n ARAM = 18.400 CM2 "), std::string::npos) << out;
    EXPECT_NE(out.find("\r\n CONDITIONS AT END OF CONSOLIDATION: PORFIN="), std::string::npos);
}

struct ShortFixture {
    dorvane::Run run;
    Specimen s;
    ShortFixture() {
        InputFields& in = run.in;
        in.MODE = 5.0f;
        in.COEF01 = 0.5f;
        in.COEF1M = 0.0125f;
        in.COEF2M = -1.5f;
        in.D = 3.8f;
        in.WCINL = 0.25f;
        in.PR_RG_CONS = 1.2f;
        in.H = 8.0f;
        in.MASS = 180.4f;
        in.EXTM = 1.2f;
        in.ALPHA = 45.0f;
        in.PCFPSD = 5.5f;
        in.FRACA = 0.9999f;
        s.DENSBK = 1.95f;
        s.S3IKGC = 2.05f;
        s.SATINL = 0.95f;
        s.VOIDRI = 0.7f;
        s.VORINL = 0.41f;
    }
};

const std::vector<std::string> kSampleProperties = {
    "",
    "           SAMPLE PROPERTIES           APPARS./TEST PROPERTIES",
    "           -----------------           -----------------------",
    "DIAM. =  3.80 CM*WATER CONT= 0.250      PR.RG.CONS=1.2000 KGF/DIV.",
    "HEIGHT=  8.00 CM***DENSITY = 1.950 G/CC CELL PRESS.= 2.050 KGF/CM2",
    "MASS  =  180.4 G*DG.OF SAT.= 0.950      E MOD.R.MEM= 1.20 KGF/CM",
    "INCLINATION OF FL.PL.TO HO.= 45.0 DEG   PERIMETER OF FPSD =  5.5 CM",
    "FRACT.OF INL.AREA BEF.SHEAR= 0.99990",
    "VOID RATIO= 0.700  POROSITY= 0.410",
};

// The coefficient line comes only with the seating options that read the
// coefficient record.
TEST(SpecimenBlocks, ShortLayoutSampleProperties) {
    for (float seating : {0.0f, 1.0f, 2.0f, 2.5f, 3.0f}) {
        SCOPED_TRACE(seating);
        ShortFixture f;
        f.run.in.SEATOP = seating;
        std::string out;
        {
            OutputUnit rep(&out);
            write_specimen_blocks(f.run, f.s, rep);
        }
        std::vector<std::string> expected;
        if (seating == 2.0f || seating == 3.0f) {
            expected = {"", "COEF01=  0.50000     COEF1M= 0.0125000       COEF2M=-1.5000000"};
        }
        expected.insert(expected.end(), kSampleProperties.begin(), kSampleProperties.end());
        EXPECT_EQ(out, records(expected));
    }
}

}  // namespace
}  // namespace dorvane
