#!/usr/bin/env python3
"""Writes the whole report of an input data file without the program, for
checking end-to-end cases: header, GENERAL DATA block, title lines,
specimen property blocks, the per-test report of every report option, the
summary of all tests and the envelope lines.

The reading reduction comes from tools/recompute_readings.py (single
precision, rounded at every assignment); the specimen state, the failure
state, the test results, the stress path values and the envelopes are
computed here in the same manner. Every record is formed by a small layout
writer of its own (F editing from the exact decimal value, half away from
zero; asterisks when too wide; " NaN" / " Infinity").

  tools/render_report.py INPUT REPORTNAME INPUTNAME         print the report
  tools/render_report.py INPUT REPORTNAME INPUTNAME REPORT  compare; exit 1
                                                            on a difference
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import recompute_readings as rr  # noqa: E402

f32, C, PI, fmt_f, div = rr.f32, rr.C, rr.PI, rr.fmt_f, rr.div
KPA = C(98.07)


# ---------------------------------------------------------------- layouts

def parse(layout):
    """A layout as a list of items: ('lit', s), ('x', n), ('/',), ('f', w, d),
    ('i', w), ('a', w), ('grp', r, items)."""
    s = layout.strip()
    assert s[0] == '(' and s[-1] == ')'
    items, k = _parse_list(s, 1)
    assert k == len(s) - 1
    return items


def _parse_list(s, k):
    items = []
    while True:
        while s[k] in ' ,':
            k += 1
        if s[k] == ')':
            return items, k
        if s[k] == "'":
            e = s.index("'", k + 1)
            items.append(('lit', s[k + 1:e]))
            k = e + 1
            continue
        if s[k] == '/':
            items.append(('/',))
            k += 1
            continue
        j = k
        while s[j].isdigit():
            j += 1
        r = int(s[k:j]) if j > k else 1
        k = j
        c = s[k]
        if c == '(':
            sub, k = _parse_list(s, k + 1)
            items.append(('grp', r, sub))
            k += 1
        elif c == "'":
            e = s.index("'", k + 1)
            items.append(('grp', r, [('lit', s[k + 1:e])]))
            k = e + 1
        elif c == 'X':
            items.append(('x', r))
            k += 1
        elif c in 'FI':
            j = k + 1
            while j < len(s) and (s[j].isdigit() or s[j] == '.'):
                j += 1
            sp = s[k + 1:j]
            if c == 'F':
                w, d = sp.split('.')
                items.append(('grp', r, [('f', int(w), int(d))]))
            else:
                items.append(('grp', r, [('i', int(sp))]))
            k = j
        elif c == 'A':
            j = k + 1
            while s[j].isdigit():
                j += 1
            items.append(('grp', r, [('a', int(s[k + 1:j]) if j > k + 1 else 0)]))
            k = j
        else:
            raise ValueError(s[k:])


class _Stop(Exception):
    pass


def write(layout, values=()):
    """The records of one WRITE (format reversion is not needed here)."""
    recs = []
    cur = {'buf': [], 'pos': 0}
    vals = list(values)

    def put(text):
        b = cur['buf']
        while len(b) < cur['pos']:
            b.append(' ')
        b[cur['pos']:cur['pos'] + len(text)] = list(text)
        cur['pos'] += len(text)

    def walk(items):
        for it in items:
            kind = it[0]
            if kind == 'lit':
                put(it[1])
            elif kind == 'x':
                cur['pos'] += it[1]
            elif kind == '/':
                recs.append(''.join(cur['buf']))
                cur['buf'], cur['pos'] = [], 0
            elif kind == 'grp':
                for _ in range(it[1]):
                    walk(it[2])
            else:
                if not vals:
                    raise _Stop
                v = vals.pop(0)
                if kind == 'f':
                    put(fmt_f(v, it[1], it[2]))
                elif kind == 'i':
                    t = str(v)
                    put(t.rjust(it[1]) if len(t) <= it[1] else '*' * it[1])
                else:
                    put(v)
    try:
        walk(parse(layout))
        assert not vals, 'format reversion not covered'
    except _Stop:
        pass
    recs.append(''.join(cur['buf']))
    return recs


# ---------------------------------------------------------------- specimen

def specimen(g, ext):
    """Specimen state before shearing (the values the report prints)."""
    v = rr.G()
    if getattr(g, 'DREF', 0.0) != 0:
        g.D = f32(((g.DIALR1 + g.DIALR2) / C(2) - g.DIALR0) * C(0.00254) + g.DREF)
    if getattr(g, 'KDHCON', 0.0) != 0:
        g.FRACA = f32(1 - (g.DHCON * 2) / g.H)
    v.BEDSNP = f32(g.BEDSTR * 100)
    v.ASTNIN = f32((1 - g.FRACA) * 50)
    v.PERBED = div(v.BEDSNP * 100, v.ASTNIN)
    v.BEDDING = f32(g.H * g.BEDSTR)
    v.BEDDIN = f32(v.BEDDING / C(0.00254))
    v.BEDGMM = f32(v.BEDDING * 10)
    v.AREAINL = f32((g.D * g.D * PI) / 4)
    v.VOLINL = f32(g.H * v.AREAINL)
    if ext and not g.MCOAT > 7800:
        smass = f32(g.MADDS + g.MASS)
        cmass = f32(g.MCOAT - smass)
        cvol = f32(cmass / C(0.903))
        ctd = f32((g.MCOAT - g.MCOATW) + g.MCOATC)
        svol = f32(ctd - cvol)
    else:
        smass = g.WSPINL
        svol = f32(v.AREAINL * g.H)
    v.DENSBK = div(smass, svol) if ext else div(g.MASS, v.VOLINL)
    v.SATINL = div(v.DENSBK * g.WCINL * g.GS, ((g.WCINL + 1) * g.GS) - v.DENSBK)
    wgs = f32(g.WCINL * g.GS)
    v.VORINL = div(wgs, wgs + v.SATINL)
    if ext:
        tares = ((18.86, 18.47, 18.55, 18.96) if g.KCANS < 2 else (18.9, 18.7, 18.83, 18.53))
        wc = []
        for (w, d), t in zip(((g.CTOPW, g.CTOPD), (g.CMIDW, g.CMIDD), (g.CBOTW, g.CBOTD),
                              (g.CLEW, g.CLED)), tares):
            wc.append(div(w - d, d - C(t)))
        v.TOP, v.MID, v.BOT, v.LE = wc
        g.WCFIN = f32(((v.MID + v.TOP) + v.BOT) / 3)
    else:
        v.TOP = v.MID = v.BOT = v.LE = g.WCFIN
    v.DWSPEC = f32(g.WSPFIN - g.WSPINL)
    v.DWC = div((g.WCFIN - g.WCINL) * 100, g.WCINL)
    v.DWCSTS = div((g.WCINL - g.WCSTD) * 100, g.WCSTD) if g.KDWCST >= 1 else 0.0
    if g.KCU >= 1:
        v.DWCPCU, v.DWCUUT = v.DWC, 0.0
    else:
        v.DWCUUT, v.DWCPCU = v.DWC, 0.0
    if g.KPER >= 1:
        dry = f32(g.WSPINL / (g.WCINL + 1))
        v.PER3T4 = div(g.WUP34 * 100, dry)
        v.PER3T8 = div((g.WUP34 + g.WUP48) * 100, dry)
    else:
        v.PER3T4 = v.PER3T8 = 0.0
    v.DWCLEW = div((v.LE - g.WCFIN) * 100, g.WCFIN)
    m = f32((v.BOT + v.TOP) / 2)
    v.DWCMTE = div((v.MID - m) * 100, m)
    r = f32((g.ARAM * g.S3IKGC) / (g.PRC * 10))
    v.EXTCLI = f32(g.DIAL1 + r) if g.KEXTCL >= 1 else 0.0
    if g.KBSTN >= 1:
        b = f32(((g.DIAL2 - g.DIAL1) - r) * C(0.00254) - (g.H * v.ASTNIN) / 100)
        v.BSTNCL = div(b, g.H)
        v.RBGTS3 = div(v.BSTNCL, g.S3IPSI)
    else:
        v.BSTNCL = v.RBGTS3 = 0.0
    v.STGMEC = f32((g.DIAL3 - g.DIAL2) * C(0.0254))
    v.EPSINL = f32(-((g.FRACA - 1) * C(0.5)))
    v.DV_VINL = f32(-(v.EPSINL * 3))
    v.HSOFSH = f32((1 - v.EPSINL) * g.H)
    v.SGSNME = div(v.STGMEC, v.HSOFSH * 10)
    v.SEATING = f32(((g.SEATF1 * g.SEATF2) * v.HSOFSH) / C(405))
    v.SEATIN = f32(v.SEATING / C(0.00254))
    v.STGSTN = div(v.SEATING * 100, v.HSOFSH)
    v.SEATMM = f32(v.SEATING * 10)
    v.PSGMTT = 0.0 if f32(v.SEATMM + v.STGMEC) == 0 else \
        div(v.STGMEC * 100, v.SEATMM + v.STGMEC)
    v.VOIDRI = div(v.VORINL, 1 - v.VORINL)
    de = f32((v.VOIDRI + 1) * v.DV_VINL)
    v.VOIDRF = f32(de + v.VOIDRI)
    v.PORFIN = div(v.VOIDRF, v.VOIDRF + 1)
    v.DVOIDR = div(de * 100, v.VOIDRI)
    v.DPOROS = div((v.PORFIN - v.VORINL) * 100, v.VORINL)
    v.CAVITY = div((g.WSPINL - g.MASS) * 100, v.VOLINL * v.DENSBK)
    a = f32(PI * g.ALPHA / C(180))
    v.ALPHA = f32(a * 180 / PI)
    return v


def specimen_blocks(g, v, short):
    out = []
    if short:
        if g.SEATOP == 2 or g.SEATOP == 3:
            out += write("(/, 'COEF01=', F9.5, 5X, 'COEF1M=', F10.7, 7X, 'COEF2M=', F10.7)",
                         [g.COEF01, g.COEF1M, g.COEF2M])
        out += write("(/, 11X, 'SAMPLE PROPERTIES', 11X, 'APPARS./TEST PROPERTIES', /,"
                     " 11X, 17('-'), 11X, 23('-'), /,"
                     " 'DIAM. =', F6.2, ' CM*WATER CONT=', F6.3, 6X, 'PR.RG.CONS=', F6.4, ' KGF/DIV.', /,"
                     " 'HEIGHT=', F6.2, ' CM***DENSITY =', F6.3, ' G/CC CELL PRESS.=', F6.3, ' KGF/CM2', /,"
                     " 'MASS  =', F7.1, ' G*DG.OF SAT.=', F6.3, 6X, 'E MOD.R.MEM=', F5.2, ' KGF/CM', /,"
                     " 'INCLINATION OF FL.PL.TO HO.=', F5.1, ' DEG   PERIMETER OF FPSD =', F5.1, ' CM', /,"
                     " 'FRACT.OF INL.AREA BEF.SHEAR=', F8.5, /,"
                     " 'VOID RATIO=', F6.3, '  POROSITY=', F6.3)",
                     [g.D, g.WCINL, g.PRC, g.H, v.DENSBK, g.S3IKGC, g.MASS, v.SATINL, g.EXTM,
                      v.ALPHA, g.PCFPSD, g.FRACA, v.VOIDRI, v.VORINL])
        return out
    out += write("(/, ' APPARATUS CONSTANTS', 8X, 'SPEC.DIMENSIONS  SPEC. INL.PS.  FIN. W/C    CHANGES',"
                 " 9X, 'TEST RESULTS', 9X, 'MEM./DRAINS', /,"
                 " 1X, 19('-'), 8X, 15('-'), 2X, 15('-'), 3X, 8('-'), 4X, 7('-'), 9X, 12('-'), 9X, 11('-'), /,"
                 " 1X, 'P.R.CONST.=', F7.4, ' KG/DIV  DIA.=', F6.2, ' CM   W/C =', F6.3, 7X, 'TOP=', F6.3,"
                 " '  W/C(F-AV)=', F5.3, '   DV/VINL=', F8.5, 5X, 'EXTM=', F5.3, 'KG/CM', /,"
                 " 1X, 'ARAM =', F7.3, ' CM2', 10X, 'HT. =', F6.2, ' CM   SR  =', F6.3, 7X, 'MID=', F6.3,"
                 " '  DWC=', F6.2, ' %', 6X, 'ALPHA=', F6.2, ' DEG', 5X, 'PM=', F6.2, ' CM', /,"
                 " 1X, 'SLFPR=', F11.8, ' CC/M/KC  HSOFSH=', F5.2, 'CM', 3X, 'DENS=', F6.3, ' G/CC  BOT=', F6.3,"
                 " '  DWSPEC=', F6.2, ' G   (ALPHA=45 IMPLIES    PCFPSD=', F6.2, 'CM', /,"
                 " 1X, 'DMANR=', F5.2, '  ZEROM=', F5.2, ' ZEROLF=', F6.2, ' PSI  POR =', F6.3, 7X, 'LE =', F6.3,"
                 " ' TFLPR=', F5.2, ' G', 6X, 'NO SHEAR PLANE)', 5X, 'GS =', F6.3, /)",
                 [g.PRC, g.D, g.WCINL, v.TOP, g.WCFIN, v.DV_VINL, g.EXTM,
                  g.ARAM, g.H, v.SATINL, v.MID, v.DWC, v.ALPHA, g.PM,
                  g.SLFPR, v.HSOFSH, v.DENSBK, v.BOT, v.DWSPEC, g.PCFPSD,
                  g.DMANR, g.ZEROM, g.ZEROLF, v.VORINL, v.LE, g.TFLPR, g.GS])
    out += write("(/, ' CONDITIONS AT END OF CONSOLIDATION: PORFIN=', F6.3, 4X, 'VORINL=', F6.3, 5X,"
                 " 'DPOROS=', F7.2, '  %', /, 37X, 'VOIDRF=', F6.3, 4X, 'VOIDRI=', F6.3, 5X, 'DVOIDR=', F7.2,"
                 " '  %     CAVITY=', F6.2, '  %', /, /)",
                 [v.PORFIN, v.VORINL, v.DPOROS, v.VOIDRF, v.VOIDRI, v.DVOIDR, v.CAVITY])
    return out


# ---------------------------------------------------------------- readings

def seating(g, s, R):
    """Seating correction; returns (SEATCOR, GRDPRS(IGMAX))."""
    if not (g.SEATOP == 1 or g.SEATOP == 2) or s.NREAD80 < 2:
        return 0.0, 0.0
    S, P = R['SDIAL'], R['PRDIA']
    grd = [0.0] * (s.NREAD80 + 1)
    for i in range(2, s.NREAD80 + 1):
        ds = f32(S[i] - S[i - 1])
        dp = f32(P[i] - P[i - 1])
        grd[i] = 0.0 if ds == 0 else f32(dp / ds)
    state, igmax = 0, 2
    for i in range(2, s.NREAD80 + 1):
        if state == 0:
            state = 1
        elif state == 1:
            if grd[i] > grd[i - 1]:
                igmax = i
            else:
                igmax, state = i - 1, 2
        elif grd[i] > grd[igmax]:
            igmax = i
    igprev = igmax - 1
    u = f32(((g.S3IKGC * g.ARAM) - g.RAMWGT) / g.PRC)
    p0 = f32(P[igprev] - u) if g.PSETPR == 0 else P[igprev]
    seatcor = f32(S[igprev] - p0 / grd[igmax])
    for i in range(1, s.NREAD + 1):
        if i < igprev:
            if g.PSETPR == 0:
                x = f32(P[i] - u)
                x = 0.0 if x < 0 else x
            else:
                x = P[i]
            S[i] = f32(x / grd[igmax])
        else:
            S[i] = f32(S[i] - seatcor)
    return seatcor, grd[igmax]


def failure(o, n):
    """IFAIL and TCFAIL by the search run after every reading."""
    state, ifail, tcfail = 0, 0, 0.0
    if n == 1:
        return 1, o['THOURS'][1]
    for i in range(1, n + 1):
        d = o['DEVS']
        if state == 0:
            state = 1
        elif state == 1:
            if d[i] > d[i - 1]:
                ifail, tcfail = i, o['THOURS'][i]
            else:
                ifail, tcfail, state = i - 1, f32(o['THOURS'][i] - (o['DTMIN'][i] / C(60))), 2
        elif d[i] > d[ifail]:
            ifail, tcfail = i, o['THOURS'][i]
    return ifail, tcfail


def slope(o, i, j):
    ab = o['EPSAX'][i] - o['EPSAX'][j]
    return 0.0 if ab == 0 else f32((o['EPSVOL'][i] - o['EPSVOL'][j]) / ab)


def dilrat(o, n, i):
    if i == 1:
        return 0.0
    ab = f32(o['EPSAX'][i] - o['EPSAX'][i - 1])
    if i == n:
        return 0.0 if ab == 0 else f32((o['EPSVOL'][i] - o['EPSVOL'][i - 1]) / ab)
    af = f32(o['EPSAX'][i + 1] - o['EPSAX'][i])
    if ab == 0 or af == 0:
        return 0.0
    return f32((((o['EPSVOL'][i + 1] - o['EPSVOL'][i]) / af)
                + ((o['EPSVOL'][i] - o['EPSVOL'][i - 1]) / ab)) / 2)


def iend(o, n):
    if n <= 2:
        return n
    for k in range(3):
        e = n - k
        if e == 1 or o['DEVS'][e] - o['DEVS'][e - 1] <= 0:
            return e
    return n - 2


# ---------------------------------------------------------------- per test

def per_test(g, v, s, R, o, seatcor, gmax):
    n = s.NREAD
    out = []
    ifail, tcfail = failure(o, n) if n >= 1 else (0, 0.0)
    dil = [0.0] + [dilrat(o, n, i) for i in range(1, n + 1)]
    kf = n - ifail + 1 if n >= 1 else 0
    pp1 = R['PP'][1] if n >= 1 else 0.0
    degcon = div((g.PPMAX - pp1) * 100, g.PPMAX) if g.KCU >= 1 else 0.0
    ppsosh = pp1
    g.STNRAT = f32(g.STNRAT * C(25.4))
    bedper = div(v.BEDSNP * 100, o['AXSTRN'][ifail])
    stgper = div(v.STGSTN * 100, o['AXSTRN'][ifail])
    dvdh = dil[ifail] if 2 <= ifail else 0.0
    dvdu = slope(o, n, n - 1) if n >= 2 else 0.0
    g.PPMAX = div(pp1, 1 - (degcon / 100))
    psat = div((1 - v.SATINL) * C(0.923), v.SATINL * C(0.02))
    ratio = div(g.PPMAX, psat)
    cms3lr_fail = f32(-o['CMS3LR'][ifail])
    opt = g.REPOPT
    kpa = {k: [f32(KPA * x) for x in o[src]] for k, src in
           (('PPKPA', None), ('SKPA', 'TOTST'), ('SEFKPA', 'EFFNS'), ('TKPA', 'DEVS')) if src}
    kpa['PPKPA'] = [f32(KPA * R['PP'][i]) for i in range(len(o['DEVS']))]
    if opt == 7 or opt == 9:
        out += write("(/, /, /, 1X, 68('-'))")
        out += write("(4X, '1', 9X, '2', 9X, '3', 9X, '4', 9X, '5', 9X, '6', 9X, '7', /, 1X, 68('-'))")
        out += write("(1X, 'AX.STRAIN DIL. RATE CORR.AREA (S1+S3)/2 PORE PRES.(S1+S3)/2 (S1-S3)/2', /,"
                     " 3X, '(%)', 7X, 'RAT', 7X, '(CM2)     (KPA)', 5X, '(KPA)  EFF.(KPA)  (KPA)', /, 1X, 68('-'))")
        for i in range(1, n + 1):
            out += write("(F7.1, F10.2, F10.3, F11.2, 3F10.1)",
                         [o['AXSTRN'][i], dil[i], o['CORAR'][i], kpa['SKPA'][i], kpa['PPKPA'][i],
                          kpa['SEFKPA'][i], kpa['TKPA'][i]])
        out += write("(/, ' ********     TIME TO FAILURE =', F6.2, ' HOURS; DV/DH AT FAILURE =', F5.2)",
                     [tcfail, dvdh])
        out += write("(/, '                                         DV/DU AT END OF TEST =', F5.2, /)", [dvdu])
        if g.SEATOP == 1 or g.SEATOP == 2:
            out += write("('              MAX.SEATING COR.=', F6.1, ' DIVS.;      MAX. GRDPRS =', F6.3)",
                         [seatcor, gmax])
    elif opt != 8:
        t1, t2 = rr.rows(g, s, R, o)
        out += write("(' APP.SIG3 DURATION VOLCH    P.P.   PARA2  S.DIAL PR.DIA  PARA3 AXSTRN  VOLSTRN  EFF.NS"
                     " .5(DEVS) TOT.ST  COR.AR. ERRAC  S1/S3', /, ' (LB/IN2)  (MIN)   (CC)   (KG/CM2) (NUM)  .001IN"
                     " .0001IN (NUM) (%)', 6X, '(%)', 4X, 'KG/CM2  KG/CM2  KG/CM2   (CM2)   (%)   RATIO', /,"
                     " 1X, 123('-'))")
        out += t1
        out += write("(55X, 'TABLE 2', /, ' AXSTRN  SIG1UC  CMSIG1  SIG1C  ERSIG1  SIG3UC   CMSIG3  SIG3C  CMDEDS"
                     "  CMDELR  ERMCBH  SIG1EF  SIG3EF CUMFPR', ' CFSIG1 PERCMB PERCSD', /, 2X, '(%)    KG/CM2  K/CM2"
                     "   K/CM2   (%)KG/CM2   KG/CM2  KG/CM2  KG/CM2  KG/CM2   (%)   KG/CM2  KG/CM2   (G)  KG/CM2"
                     "   (%)    (%)', /, 1X, 130('-'))")
        out += t2
        out += write("(/, ' TIME TO FAILURE =', F7.2, ' HOURS', /)", [tcfail])
        out += write("(/, ' BEDDING=', F7.4, ' CM', 15X, 'BEDDING (AS APPARENT STRAIN   =', F5.2, '%', 4X,"
                     " 'FRACA=', F8.5, 4X, 'INL. AXL. STRN.=', F5.2, ' %', /, 8X, '=', F6.1, ' 1/1000 IN', 9X,"
                     " 'BEDDING (% OF CORRECTED STRAIN)  =', F6.1, ' %', 2X, 'BEDDING (% OF INITIAL AXL. STRN.)=',"
                     " F5.1, ' %', /)",
                     [v.BEDDING, v.BEDSNP, g.FRACA, v.ASTNIN, v.BEDDIN, bedper, v.PERBED])
        out += write("(/, ' SEATING=', F7.4, ' CM', 15X, 'SEATING (AS APPARENT STRAIN   =', F5.2, ' %', /, 8X,"
                     " '=', F6.1, ' 1/1000 IN', 9X, 'SEATING (% OF CORRECTED STRAIN)  =', F6.1, ' %', /)",
                     [v.SEATING, v.STGSTN, v.SEATIN, stgper])
        out += write("(/, ' KF=', I3, 10X, 'TEST NO:', F5.2, 10X, 'DELTA AT END=', F5.2, ' %', 10X,"
                     " 'COL. 3/21: DWSPEC=', F6.2, ' G', 8X, 'RAT.MX.PP/PRES.TO SAT.=', F5.2)",
                     [kf, g.TESTNO, o['DELTAS'][n], v.DWSPEC, ratio])
        f = ifail
        out += write("(/, 4X, '1/11    1/12    1/13    1/14    1/15    1/16    1/17  1/18    1/19', 5X, '**', 5X,"
                     " 'T2/1    T2/2    T2/3    T2/4    T2/5  T2/6', /, 4X, 'WCINL  DWCSTS', 5X, 'D', 6X, 'H', 5X,"
                     " 'DENSBK  SATINL  CAVITY  PER3T4  PER3T8    **    TESTNO  S3IPSI  DEGCON  PPSOSH  STNRAT FRACA',"
                     " /, 4X, 'RATIO   (%)      (CM)   (CM)   (T/M3) (RAT.)', 4X, '(%)', 5X, '(%)', 5X, '(%)', 6X,"
                     " '**', 4X, 'SER/NO  (PSI)    (%)    KG/CM2  MM/MIN  RATIO', /, 4X, 124('-'))")
        out += write("(F9.3, F7.2, F9.3, F7.3, F8.3, F9.3, F7.2, F7.1, F9.1, F16.2, F8.1, F8.1, F8.3, F9.5, F8.4)",
                     [g.WCINL, v.DWCSTS, g.D, g.H, v.DENSBK, v.SATINL, v.CAVITY, v.PER3T4, v.PER3T8,
                      g.TESTNO, g.S3IPSI, degcon, ppsosh, g.STNRAT, g.FRACA])
        out += write("(/, 4X, 'T2/7    T2/8    T2/9    2/10    2/11    2/12    2/13  2/14    2/15    2/16    2/17"
                     "    2/18    2/19    2/20    2/222/23', /, 3X, 'ASTNIN  BEDGMM  PERBED  STGMEC  SGSNME  SEATMM"
                     "  STGSTNPSGMTT  TCFAIL  WCFIN.  DWCUUT  DWCPCU  DWCLEW  DWCMTE  CSLFPR   EXTM', /, 3X,"
                     " ' (%)     (MM)    (%)', 5X, '(MM)   (RAT.)   (MM)    (%) (%)', 5X, '(HR)   (RAT.)   (%)', 5X,"
                     " '(%)', 5X, '(%)', 5X, '(%)', 4X, 'CC/M/K  KGF/CM', /, 3X, 126('-'))")
        out += write("(F8.2, F8.2, F8.1, F8.2, F9.4, F7.2, F8.2, F8.1, F8.1, F8.3, 4F8.2, F10.7, F7.3)",
                     [v.ASTNIN, v.BEDGMM, v.PERBED, v.STGMEC, v.SGSNME, v.SEATMM, v.STGSTN, v.PSGMTT,
                      tcfail, g.WCFIN, v.DWCUUT, v.DWCPCU, v.DWCLEW, v.DWCMTE, g.SLFPR, g.EXTM])
        out += write("(/, 4X, '2/24', 5X, '**', 5X, 'T3/1    T3/2    T3/3    T3/4    T3/5    T3/6    T3/7    T3/8"
                     "    T3/9    3/10    3/11    3/12    3/13  3/14', /, 3X, 'ACTKFP', 4X, '**', 4X, 'TESTNO  FAILMD"
                     "   ALPA   DELTAS  BEDPER  STGPER  AXSTRN  VOLSTN  ERSIG1  CMS1DS  CMS1LR  CMS3DS  CMS3LR  CFS1DS',"
                     " /, 3X, 'KGF/CM', 4X, '**', 4X, 'SER/NO   (NO)   (DEGR)   (%)', 5X, '(%)', 5X, '(%)', 5X, '(%)',"
                     " 5X, '(%)', 5X, '(%)', 4X, 'KG/CM2  KG/CM2  KG/CM2  KG/CM2  KG/CM2', /, 3X, 126('-'))")
        out += write("(F8.2, F16.2, F7.0, F9.1, F8.2, 2F8.1, F8.2, F8.2, F9.1, 3F8.3, F7.3, F9.3)",
                     [g.ACTKFP, g.TESTNO, g.FAILMD, v.ALPHA, o['DELTAS'][f], bedper, stgper,
                      o['AXSTRN'][f], o['VOLSTRN'][f], o['ERSIG1'][f], o['CMS1DS'][f], o['CMS1LR'][f],
                      o['CMS3DS'][f], cms3lr_fail, o['CFS1DS'][f]])
        out += write("(/, 4X, '3/15    3/16    3/17    3/18    3/19    3/20    3/21', 5X, '**', 5X, 'AD/1    AD/2"
                     "    AD/3    AD/4    AD/5    AD/6', /, 3X, 'CFS1LR  PERCMB  PERCSD  ERMCBH  P.W.P.  EFFNS.  DEVSC',"
                     " 5X, '**', 4X, 'S3IPSI  S3IKGC  EXTCLI  BSTNCL  RBGTS3  BEDSNP', /, 3X, 'KG/CM2   (%)', 5X, '(%)',"
                     " 5X, '(%)', 4X, 'KG/CM2  KG/CM2  KG/CM2    **    (PSI)   KG/CM2 .001IN  (RAT.)  (RAT.)   (%)', /,"
                     " 3X, 110('-'))")
        out += write("(F9.3, F6.1, F9.1, F8.1, F9.3, F7.3, F8.3, F16.1, F9.3, F7.2, F9.4, F9.6, F6.2)",
                     [o['CFS1LR'][f], o['PERCMB'][f], o['PERCSD'][f], o['ERMCBH'][f], R['PP'][f],
                      o['EFFNS'][f], o['DEVS'][f], g.S3IPSI, g.S3IKGC, v.EXTCLI, v.BSTNCL, v.RBGTS3,
                      v.BEDSNP])
    ie = iend(o, n) if opt == 9 else 0
    row = (kpa['SEFKPA'][ifail], kpa['TKPA'][ifail],
           kpa['SEFKPA'][ie] if opt == 9 else kpa['SKPA'][ifail], kpa['TKPA'][ie] if opt == 9 else kpa['TKPA'][ifail])
    return out, row


# ---------------------------------------------------------------- envelopes

def envelope(sig, tau, n, regopt, power, repopt, sigtop):
    out = []
    res = {k: [0.0, 0.0] for k in 'COFCOR PHIZRC COFZRC PHILRG COHESN BEXPNT ACONST'.split()}
    for j in range(2):
        sxy = sxx = sx = sy = syy = 0.0
        for i in range(n):
            x, y = sig[i][j], tau[i][j]
            sxy = f32(sxy + x * y)
            sxx = f32(sxx + x * x)
            sx = f32(sx + x)
            sy = f32(sy + y)
            syy = f32(syy + y * y)
        rn = float(n)
        cxy = f32(sxy - sy * sx / rn)
        cxx = f32(sxx - sx * sx / rn)
        cyy = f32(syy - sy * sy / rn)
        r2 = _div(cxy * cxy, cyy * cxx)
        res['COFCOR'][j] = _sqrt(r2)  # a local value r2, then its root
        if not power and regopt in (1, 3, 4, 5):
            b0 = _div(sxy, sxx)
            res['PHIZRC'][j] = f32(_asin(b0) * 180 / PI)
            ybar = _div(sy, rn)
            sse = sst = 0.0
            for i in range(n):
                x, y = sig[i][j], tau[i][j]
                sse = f32(sse + (y - b0 * x) ** 2)
                sst = f32(sst + (y - ybar) ** 2)
            vv = _div(sst, rn - 1)
            res['COFZRC'][j] = _sqrt(1 - _ddiv(_ddiv(sse, rn - 1), vv))
        if not power and regopt in (2, 3, 5):
            b1 = _div(cxy, cxx)
            res['PHILRG'][j] = f32(_asin(b1) * 180 / PI)
            xbar = _div(sx, rn)
            ybar = _div(sy, rn)
            a = f32(ybar - xbar * b1)
            res['COHESN'][j] = _div(a, math.cos(PI * res['PHILRG'][j] / 180))
        if power:
            res['BEXPNT'][j] = _div(cxy, cxx)
            xbar = _div(sx, rn)
            ybar = _div(sy, rn)
            res['ACONST'][j] = f32(_exp(ybar - xbar * res['BEXPNT'][j]))
    if not power:
        if repopt == 9:
            out += write("(/, 1X, ' SUMMARY OF ALL TESTS:', 17X, 'AT             AT', /, 2X, 'NOTE: SIG = (S1+S3)/2"
                         " (KPA)', 7X, '  PEAK STR.      ULT. STR.   ', /, 8X, 'TAU = (S1-S3)/2 (KPA)', 7X, 'SIG    TAU"
                         "      SIG    TAU', /, 36X, 28('-'))")
        else:
            out += write("(/, 1X, ' SUMMARY OF ALL TESTS:', 20X, 'AT PEAK STRENGTH ', /, 2X, 'NOTE: SIG = (S1+S3)/2"
                         " (KPA)', 7X, 'EFFECTIVE STR.   TOTAL STRESS', /, 8X, 'TAU = (S1-S3)/2 (KPA)', 7X, 'SIG    TAU"
                         "      SIG    TAU', /, 36X, 28('-'))")
        for i in range(n):
            out += write("(34X, 6(2F7.1, 2X))", [sig[i][0], tau[i][0], sig[i][1], tau[i][1]])
        if regopt in (1, 3, 4, 5):
            out += write("(/, ' COEF. OF CORRELATION FOR C = ZERO:', F10.6, F16.6)", res['COFZRC'])
            out += write("(/, ' REGR.FORCED THRO.ORIGIN.PHI (deg):', 3X, F7.3, 5(1X, F15.3))", res['PHIZRC'])
        if regopt in (2, 3, 5):
            out += write("(/, ' COEF. OF COR. WITH C, COFCOR:', 6F16.6)", res['COFCOR'])
            out += write("(/, ' ORDINARY LINEAR REGR.COHESN (kPa):', 3X, F7.3, 5(1X, F15.3))", res['COHESN'])
            out += write("(22X, 'PHILRG (deg):', 3X, F7.3, 5(1X, F15.3))", res['PHILRG'])
        return out
    m = int(sigtop / 100) if math.isfinite(sigtop) else 0
    top = f32(100 * m + 100)
    step = f32(top / 5)
    s = 0.0
    sigfol, taufol = [], []
    for _ in range(5):
        s = f32(s + step)
        sigfol.append(s)
        taufol.append(f32(_pow(res['ACONST'][0], s, res['BEXPNT'][0])))
    out += write("(/, ' POWER CURVE FIT: COEF.OF COR:', 6F16.6)", res['COFCOR'])
    out += write("(28X, 'ACONST:', 3X, F7.4, 5(1X, F15.4))", res['ACONST'])
    out += write("(28X, 'BEXPNT:', 3X, F7.4, 5(1X, F15.4))", res['BEXPNT'])
    out += write("(/, ' STRENGTH FOR FOLLOWING (S1+S3)/2:', 1X, 6(F6.1, 1X))", sigfol)
    out += write("(1X, '((S1-S3)/2)F=', F6.4, '*SIG**', F6.4, ' : ', 6(F6.1, 1X))",
                 [res['ACONST'][0], res['BEXPNT'][0]] + taufol)
    return out


def _div(a, b):
    a = float(a)
    b = float(b)
    if b == 0:
        if a == 0 or math.isnan(a):
            return math.nan
        return math.copysign(math.inf, a) * math.copysign(1, b)
    return f32(a / b)


def _ddiv(a, b):
    """IEEE division inside one formula (not rounded)."""
    a = float(a)
    b = float(b)
    if b == 0:
        if a == 0 or math.isnan(a):
            return math.nan
        return math.copysign(math.inf, a) * math.copysign(1, b)
    return a / b


def _sqrt(x):
    return math.nan if (math.isnan(x) or x < 0) else f32(math.sqrt(x))


def _asin(x):
    return math.nan if (math.isnan(x) or abs(x) > 1) else math.asin(x)


def _exp(x):
    try:
        return math.exp(x)
    except OverflowError:
        return math.inf


def _log(x):
    if math.isnan(x) or x < 0:
        return math.nan
    return -math.inf if x == 0 else math.log(x)


def _pow(a, s, b):
    try:
        return a * math.pow(s, b)
    except (OverflowError, ValueError):
        return math.nan


# ---------------------------------------------------------------- the run

def render(text, repname, inpname):
    recs = rr.Records(text)
    g = rr.G()
    for name in ('PSETPR CPCONS CPSLOP PWCONS PWSLOP TOPCAP THIRDW DIALSC SLFPR SEATOP COEF01 COEF1M '
                 'COEF2M DREF KDHCON DHCON SEATF1 SEATF2 ZEROM DMANR ZEROLF VOLOPT KCU PPMAX STNRAT WSPINL '
                 'WSPFIN MCOAT MADDS MCOATW MCOATC TESTNO FAILMD DIAL1 DIAL2 DIAL3 KEXTCL KBSTN KPER KDWCST '
                 'WUP34 WUP48 WCSTD TFLPR NEWGEN DIALR0 DIALR1 DIALR2').split():
        setattr(g, name, 0.0)
    out = [' *** ' + repname.ljust(12)[:12] + ' :  ' + inpname.ljust(12)[:12] +
           ' RUN ON DORVANE OF 6 July 2006 ***', '     ' + '-' * 58, '']
    rows = []
    ext = False

    def general():
        nonlocal ext
        rr.read_general(recs, g)
        g.NEWGEN = 0.0
        g.REGOPT = int(g.PARREG) if math.isfinite(g.PARREG) else 0
        g.BEDSTR = 0.0
        if g.MODE < 7:
            ramwt = f32((g.TOPCAP + g.RAMWGT) + g.THIRDW)
            out.extend(write("(/, 28X, ' GENERAL DATA ', /, 29X, 12('-'), /, 3X, 'CELL PRESS.GAUGE  PORE WATER"
                             " PRESS.GAUGE   RAM AND TOP CAP VALUES ', /, 3X, 16('-'), 2X, 22('-'), 3X, 13('-'), 1X,"
                             " 8('-'), /, 'CONST=', F6.3, ' KG/CM2   CONST =', F7.3, ' KG/CM2 WT. =', F6.3, ' KGF"
                             "  PSETPR=', F3.0, /, 'SLOPE=', F7.4, 9X, 'SLOPE =', F7.4, 8X, 'AREA=', F6.3, ' CM2"
                             "  PARREG=', F3.0)",
                             [g.CPCONS, g.PWCONS, ramwt, g.PSETPR, g.CPSLOP, g.PWSLOP, g.ARAM, g.PARREG]))
            out.extend(write("(/, '*** NOTE: A 45-DEG INCL. OF FL. PL. TO HORIZ. IMPLIES THAT NO', /, 10X,"
                             " 'SUCH PLANE APPEARED.')"))
        elif g.MODE > 8:
            ext = True
            g.EXT = True
            g.MODE = C(7.85)

    general()
    g.EXT = ext
    while True:
        out.extend(['', '', '', ''])
        short = g.MODE < 7 and not ext
        try:
            for _ in range(3):
                t = recs.next()[:80].ljust(80)
                out.append(t if short else ' ' * 23 + t)
        except EOFError:
            break
        if ext:
            rr.read_extended_test(recs, g)
        elif short:
            rr.read_short_test(recs, g)
            g.BEDSTR = 0.0
        else:
            rr.read_standard_test(recs, g)
            g.BEDSTR = 0.0
        v = specimen(g, ext)
        out.extend(specimen_blocks(g, v, short))
        s = rr.prepare(g)
        seatop, g.SEATOP = g.SEATOP, 0.0
        R = rr.read_block(recs, g, s, short)
        g.SEATOP = seatop
        seatcor, gmax = seating(g, s, R)
        o = rr.reduce_test(g, s, R, short)
        lines, row = per_test(g, v, s, R, o, seatcor, gmax)
        out.extend(lines)
        rows.append(row if g.PARREG > 0 else (0.0, 0.0, 0.0, 0.0))
        if not ext and g.NEWGEN > 0:
            general()
    n = len(rows)
    if n > 1 and g.REGOPT > 0:
        sig = [(r[0], r[2]) for r in rows]
        tau = [(r[1], r[3]) for r in rows]
        out.extend(envelope(sig, tau, n, g.REGOPT, False, g.REPOPT, 0.0))
        if g.REGOPT in (4, 5):
            lsig = [(f32(_log(a)), f32(_log(b))) for a, b in sig]
            ltau = [(f32(_log(a)), f32(_log(b))) for a, b in tau]
            out.extend(envelope(lsig, ltau, n, g.REGOPT, True, g.REPOPT, sig[n - 1][0]))
    return out


def main(argv):
    text = open(argv[1], newline='').read()
    lines = render(text, argv[2], argv[3])
    want = ''.join(l + '\r\n' for l in lines)
    if len(argv) == 4:
        sys.stdout.write(want.replace('\r\n', '\n'))
        return 0
    got = open(argv[4], newline='').read()
    if got == want:
        print(f'{len(lines)} lines, identical')
        return 0
    gl = got.split('\r\n')
    bad = 0
    for k in range(max(len(gl) - 1, len(lines))):
        a = lines[k] if k < len(lines) else '<none>'
        b = gl[k] if k < len(gl) else '<none>'
        if a != b:
            bad += 1
            if bad <= 20:
                print(f'line {k + 1}:\n  want {a!r}\n  got  {b!r}')
    print(f'{bad} lines differ')
    return 1


if __name__ == '__main__':
    sys.exit(main(sys.argv))
