#!/usr/bin/env python3
"""Checks the summary of all tests and the envelope lines at the end of a
report by recomputing the fits, written out step by step as the envelope
routine does them: single-precision accumulators and named values (each
rounded to a 32-bit float when assigned), double arithmetic inside one
formula, F editing half away from zero from the exact decimal value.

The SIG/TAU pairs are read from the summary rows of the report. Printed
with one decimal they are not the values the program fitted, so by default
the pairs are taken at full precision from an independent recomputation of
the input file (tools/render_report.py) after checking that they print as
the summary rows do; --printed fits the printed pairs themselves and only
shows the lines (they agree with the report to about the printed digits).

  tools/check_envelope.py INPUT REPORT             exit 1 on a difference
  tools/check_envelope.py INPUT REPORT --printed   show the fits of the
                                                   printed pairs
"""
import math
import struct
import sys
from decimal import Decimal, ROUND_HALF_UP


def r32(x):
    """Rounded to single precision (IEEE: NaN and infinities stay)."""
    x = float(x)
    if math.isnan(x) or math.isinf(x):
        return x
    try:
        return struct.unpack('<f', struct.pack('<f', x))[0]
    except OverflowError:
        return math.copysign(math.inf, x)


PI = r32(3.141593)


def q(a, b):
    """a / b in double with IEEE results for a zero divisor."""
    if b == 0:
        return math.nan if (a == 0 or math.isnan(a)) else math.copysign(math.inf, a) * math.copysign(1, b)
    return a / b


def root(x):
    return math.nan if not x >= 0 else math.sqrt(x)


def arcsin(x):
    return math.nan if not abs(x) <= 1 else math.asin(x)


def ln(x):
    if not x >= 0:
        return math.nan
    return -math.inf if x == 0 else math.log(x)


def F(x, w, d):
    if math.isnan(x) or math.isinf(x):
        t = ' NaN' if math.isnan(x) else (' -Infinity' if x < 0 else ' Infinity')
        return '*' * w if len(t) > w else t.ljust(w)
    v = Decimal(x).quantize(Decimal(1).scaleb(-d), rounding=ROUND_HALF_UP)
    neg = v < 0 and v != 0
    ip, _, fp = format(abs(v), 'f').partition('.')
    s = ('' if ip == '0' else ip) + '.' + fp
    if ip == '0' and w > d + 1 and (not neg or w > d + 2):
        s = '0' + s
    s = ('-' if neg else '') + s
    return '*' * w if len(s) > w else s.rjust(w)


def fit_column(xs, ys, option, power):
    """The results of one column, in the order the routine computes them."""
    n = len(xs)
    Sxy = Sxx = Sx = Sy = Syy = 0.0
    for x, y in zip(xs, ys):
        Sxy = r32(Sxy + x * y)
        Sxx = r32(Sxx + x * x)
        Sx = r32(Sx + x)
        Sy = r32(Sy + y)
        Syy = r32(Syy + y * y)
    rn = float(n)
    Cxy = r32(Sxy - Sy * Sx / rn)
    Cxx = r32(Sxx - Sx * Sx / rn)
    Cyy = r32(Syy - Sy * Sy / rn)
    r2 = r32(q(Cxy * Cxy, Cyy * Cxx))
    out = {'COFCOR': r32(root(r2))}
    if not power and option in (1, 3, 4, 5):
        b0 = r32(q(Sxy, Sxx))
        out['PHIZRC'] = r32(arcsin(b0) * 180 / PI)
        ybar = r32(q(Sy, rn))
        SSE = SST = 0.0
        for x, y in zip(xs, ys):
            SSE = r32(SSE + (y - b0 * x) ** 2)
            SST = r32(SST + (y - ybar) ** 2)
        V = r32(q(SST, rn - 1))
        out['COFZRC'] = r32(root(1 - q(q(SSE, rn - 1), V)))
    if not power and option in (2, 3, 5):
        b1 = r32(q(Cxy, Cxx))
        out['PHILRG'] = r32(arcsin(b1) * 180 / PI)
        xbar = r32(q(Sx, rn))
        ybar = r32(q(Sy, rn))
        a = r32(ybar - xbar * b1)
        out['COHESN'] = r32(q(a, math.cos(PI * out['PHILRG'] / 180)))
    if power:
        out['BEXPNT'] = r32(q(Cxy, Cxx))
        xbar = r32(q(Sx, rn))
        ybar = r32(q(Sy, rn))
        e = ybar - xbar * out['BEXPNT']
        out['ACONST'] = r32(math.exp(e) if e < 700 else (math.inf if e == e else math.nan))
    return out


def lines(rows, option, repopt):
    """The lines after the summary heading, as the report must show them."""
    L = []
    for s1, t1, s2, t2 in rows:
        L.append(' ' * 34 + F(s1, 7, 1) + F(t1, 7, 1) + '  ' + F(s2, 7, 1) + F(t2, 7, 1))
    cols = [fit_column([r[0] for r in rows], [r[1] for r in rows], option, False),
            fit_column([r[2] for r in rows], [r[3] for r in rows], option, False)]
    if option in (1, 3, 4, 5):
        L += ['', ' COEF. OF CORRELATION FOR C = ZERO:' + F(cols[0]['COFZRC'], 10, 6) + F(cols[1]['COFZRC'], 16, 6)]
        L += ['', ' REGR.FORCED THRO.ORIGIN.PHI (deg):   ' + F(cols[0]['PHIZRC'], 7, 3) + ' ' + F(cols[1]['PHIZRC'], 15, 3)]
    if option in (2, 3, 5):
        L += ['', ' COEF. OF COR. WITH C, COFCOR:' + F(cols[0]['COFCOR'], 16, 6) + F(cols[1]['COFCOR'], 16, 6)]
        L += ['', ' ORDINARY LINEAR REGR.COHESN (kPa):   ' + F(cols[0]['COHESN'], 7, 3) + ' ' + F(cols[1]['COHESN'], 15, 3)]
        L += [' ' * 22 + 'PHILRG (deg):   ' + F(cols[0]['PHILRG'], 7, 3) + ' ' + F(cols[1]['PHILRG'], 15, 3)]
    if option in (4, 5):
        logs = [tuple(r32(ln(v)) for v in r) for r in rows]
        p = [fit_column([r[0] for r in logs], [r[1] for r in logs], option, True),
             fit_column([r[2] for r in logs], [r[3] for r in logs], option, True)]
        L += ['', ' POWER CURVE FIT: COEF.OF COR:' + F(p[0]['COFCOR'], 16, 6) + F(p[1]['COFCOR'], 16, 6)]
        L += [' ' * 28 + 'ACONST:   ' + F(p[0]['ACONST'], 7, 4) + ' ' + F(p[1]['ACONST'], 15, 4)]
        L += [' ' * 28 + 'BEXPNT:   ' + F(p[0]['BEXPNT'], 7, 4) + ' ' + F(p[1]['BEXPNT'], 15, 4)]
        top = rows[-1][0]
        m = int(top / 100) if math.isfinite(top) else 0
        top = r32(100 * m + 100)
        step = r32(top / 5)
        s, sig, tau = 0.0, [], []
        for _ in range(5):
            s = r32(s + step)
            sig.append(s)
            try:
                tau.append(r32(p[0]['ACONST'] * math.pow(s, p[0]['BEXPNT'])))
            except (ValueError, OverflowError):
                tau.append(math.nan)
        L += ['', ' STRENGTH FOR FOLLOWING (S1+S3)/2: ' + ' '.join(F(v, 6, 1) for v in sig)]
        L += [' ((S1-S3)/2)F=' + F(p[0]['ACONST'], 6, 4) + '*SIG**' + F(p[0]['BEXPNT'], 6, 4) + ' : '
              + ' '.join(F(v, 6, 1) for v in tau)]
    return L


def summary(report):
    """(option digits unknown) the rows and the lines after them."""
    ls = report.split('\r\n')
    k = max(i for i, l in enumerate(ls) if l.startswith('  SUMMARY OF ALL TESTS:'))
    repopt9 = 'PEAK STR.      ULT. STR.' in ls[k + 1]
    k += 4
    rows, printed = [], []
    while k < len(ls) and ls[k].startswith(' ' * 34) and ls[k].strip():
        t = ls[k]
        printed.append(t)
        rows.append(tuple(float(t[a:a + 7]) for a in (34, 41, 50, 57)))
        k += 1
    tail = ls[k:]
    if tail and tail[-1] == '':
        tail = tail[:-1]
    return rows, printed, tail, repopt9


def main(argv):
    sys.path.insert(0, __file__.rsplit('/', 1)[0])
    import render_report as rend
    import recompute_readings as rr
    text = open(argv[1], newline='').read()
    report = open(argv[2], newline='').read()
    rows_p, printed, tail, _ = summary(report)
    g = rr.Records(text)
    v = g.read_9f8(9)
    option = int(v[6])
    # the exact rows: render the report independently and keep its rows
    exact = []
    orig = rend.envelope

    def grab(sig, tau, n, regopt, power, repopt, sigtop):
        if not power:
            exact.extend((sig[i][0], tau[i][0], sig[i][1], tau[i][1]) for i in range(n))
        return orig(sig, tau, n, regopt, power, repopt, sigtop)
    rend.envelope = grab
    rend.render(text, 'OUT.REP', 'IN.DAT')
    if '--printed' in argv:
        print('\n'.join(lines(rows_p, option, None)))
        return 0
    want = lines(exact, option, None)
    got = printed + tail
    bad = 0
    for k in range(max(len(want), len(got))):
        a = want[k] if k < len(want) else '<none>'
        b = got[k] if k < len(got) else '<none>'
        if a != b:
            bad += 1
            print(f'line {k + 1} after the heading:\n  want {a!r}\n  got  {b!r}')
    print(f'{len(exact)} tests, {len(want)} lines, {bad} differences')
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
