#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Colour differences written out from their published definitions, in plain
Python, without reference to the program's own code:

  CIE76      CIE 15 (2004), the Euclidean distance in L*a*b*.
  CIE94      CIE 116-1995: SL = 1, SC = 1 + K1 C*, SH = 1 + K2 C*, with C* the
             chroma of the reference; graphic arts kL = 1, K1 = 0.045,
             K2 = 0.015; textiles kL = 2, K1 = 0.048, K2 = 0.014.
  CMC(l:c)   Clarke, McDonald and Rigg (1984), as in ISO 105-J03 / BS 6923;
             the weights come from the reference (the standard).
  CIEDE2000  CIE 142-2001, following the steps of Sharma, Wu and Dalal (2005).

Run with "selftest" to check this module against the CIEDE2000 pairs, or with
"check CLI PAIRS" to compare the command line's delta-e with it on PAIRS
random pairs of every formula.
"""

import math
import random
import subprocess
import sys


def chroma(a, b):
    return math.sqrt(a * a + b * b)


def hue_degrees(a, b):
    if a == 0 and b == 0:
        return 0.0
    h = math.degrees(math.atan2(b, a))
    return h + 360 if h < 0 else h


def de76(ref, smp):
    return math.sqrt(sum((s - r) ** 2 for r, s in zip(ref, smp)))


def hue_difference_squared(ref, smp):
    dL = smp[0] - ref[0]
    dC = chroma(smp[1], smp[2]) - chroma(ref[1], ref[2])
    return max(0.0, de76(ref, smp) ** 2 - dL * dL - dC * dC)


def de94(ref, smp, textiles=False):
    kL, K1, K2 = (2.0, 0.048, 0.014) if textiles else (1.0, 0.045, 0.015)
    C1 = chroma(ref[1], ref[2])
    dL = smp[0] - ref[0]
    dC = chroma(smp[1], smp[2]) - C1
    SC = 1 + K1 * C1
    SH = 1 + K2 * C1
    return math.sqrt((dL / kL) ** 2 + (dC / SC) ** 2 + hue_difference_squared(ref, smp) / SH ** 2)


def cmc(ref, smp, l=2.0, c=1.0):
    L1, a1, b1 = ref
    C1 = chroma(a1, b1)
    h1 = hue_degrees(a1, b1)
    SL = 0.511 if L1 < 16 else 0.040975 * L1 / (1 + 0.01765 * L1)
    SC = 0.0638 * C1 / (1 + 0.0131 * C1) + 0.638
    F = math.sqrt(C1 ** 4 / (C1 ** 4 + 1900))
    if 164 <= h1 <= 345:
        T = 0.56 + abs(0.2 * math.cos(math.radians(h1 + 168)))
    else:
        T = 0.36 + abs(0.4 * math.cos(math.radians(h1 + 35)))
    SH = SC * (F * T + 1 - F)
    dL = smp[0] - L1
    dC = chroma(smp[1], smp[2]) - C1
    return math.sqrt((dL / (l * SL)) ** 2 + (dC / (c * SC)) ** 2 +
                     hue_difference_squared(ref, smp) / SH ** 2)


def de00(ref, smp, kL=1.0, kC=1.0, kH=1.0):
    L1, a1, b1 = ref
    L2, a2, b2 = smp
    Cbar = (chroma(a1, b1) + chroma(a2, b2)) / 2
    G = 0.5 * (1 - math.sqrt(Cbar ** 7 / (Cbar ** 7 + 25.0 ** 7)))
    a1p, a2p = (1 + G) * a1, (1 + G) * a2
    C1p, C2p = chroma(a1p, b1), chroma(a2p, b2)
    h1p, h2p = hue_degrees(a1p, b1), hue_degrees(a2p, b2)
    dLp = L2 - L1
    dCp = C2p - C1p
    if C1p * C2p == 0:
        dhp = 0.0
    else:
        dhp = h2p - h1p
        if dhp > 180:
            dhp -= 360
        elif dhp < -180:
            dhp += 360
    dHp = 2 * math.sqrt(C1p * C2p) * math.sin(math.radians(dhp / 2))
    Lbarp = (L1 + L2) / 2
    Cbarp = (C1p + C2p) / 2
    if C1p * C2p == 0:
        hbarp = h1p + h2p
    elif abs(h1p - h2p) <= 180:
        hbarp = (h1p + h2p) / 2
    elif h1p + h2p < 360:
        hbarp = (h1p + h2p + 360) / 2
    else:
        hbarp = (h1p + h2p - 360) / 2
    T = (1 - 0.17 * math.cos(math.radians(hbarp - 30)) + 0.24 * math.cos(math.radians(2 * hbarp))
         + 0.32 * math.cos(math.radians(3 * hbarp + 6)) - 0.20 * math.cos(math.radians(4 * hbarp - 63)))
    dtheta = 30 * math.exp(-(((hbarp - 275) / 25) ** 2))
    RC = 2 * math.sqrt(Cbarp ** 7 / (Cbarp ** 7 + 25.0 ** 7))
    SL = 1 + 0.015 * (Lbarp - 50) ** 2 / math.sqrt(20 + (Lbarp - 50) ** 2)
    SC = 1 + 0.045 * Cbarp
    SH = 1 + 0.015 * Cbarp * T
    RT = -math.sin(math.radians(2 * dtheta)) * RC
    x, y, z = dLp / (kL * SL), dCp / (kC * SC), dHp / (kH * SH)
    return math.sqrt(x * x + y * y + z * z + RT * y * z)


def selftest(csv_path):
    failures = 0
    count = 0
    with open(csv_path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or line.startswith("pair"):
                continue
            fields = [float(x) for x in line.split(",")]
            ref, smp, expected = fields[1:4], fields[4:7], fields[7]
            for first, second in ((ref, smp), (smp, ref)):
                count += 1
                got = de00(first, second)
                if abs(got - expected) > 1e-4:
                    failures += 1
                    print(f"pair {int(fields[0])}: {got:.6f} != {expected}")
    print(f"{count - failures} passed, {failures} failed")
    return failures == 0


def random_lab(rng):
    # Mostly ordinary colours, some near the neutral axis and some dark ones,
    # where the formulas take their special branches.
    kind = rng.random()
    if kind < 0.15:
        return [rng.uniform(0, 100), rng.uniform(-0.5, 0.5), rng.uniform(-0.5, 0.5)]
    if kind < 0.25:
        return [rng.uniform(0, 16), rng.uniform(-40, 40), rng.uniform(-40, 40)]
    return [rng.uniform(0, 100), rng.uniform(-110, 110), rng.uniform(-110, 110)]


def check(cli, pairs):
    rng = random.Random(20260513)
    formulas = [
        (["--formula", "76"], de76),
        (["--formula", "94"], lambda r, s: de94(r, s, False)),
        (["--formula", "94t"], lambda r, s: de94(r, s, True)),
        (["--formula", "cmc"], lambda r, s: cmc(r, s, 2, 1)),
        (["--formula", "cmc", "--l", "1", "--c", "1"], lambda r, s: cmc(r, s, 1, 1)),
        (["--formula", "00"], de00),
    ]
    passed = failed = 0
    for options, formula in formulas:
        for _ in range(pairs):
            ref, smp = random_lab(rng), random_lab(rng)
            # A sample near its reference as often as a far one: QC lives there.
            if rng.random() < 0.5:
                smp = [r + rng.uniform(-3, 3) for r in ref]
                smp[0] = min(100.0, max(0.0, smp[0]))
            numbers = ["%.4f" % v for v in ref + smp]
            ref = [float(v) for v in numbers[:3]]
            smp = [float(v) for v in numbers[3:]]
            result = subprocess.run([cli, "delta-e"] + options + ["--"] + numbers,
                                    capture_output=True, text=True)
            expected = formula(ref, smp)
            ok = result.returncode == 0
            if ok:
                try:
                    # Printed to 4 decimals: half a unit of the last place, plus rounding.
                    ok = abs(float(result.stdout.strip()) - expected) <= 0.00051
                except ValueError:
                    ok = False
            if ok:
                passed += 1
            else:
                failed += 1
                if failed <= 20:
                    print(f"{' '.join(options)} {' '.join(numbers)}: expected {expected:.4f}, "
                          f"got {result.stdout.strip()!r} (exit {result.returncode}, "
                          f"{result.stderr.strip()!r})")
    print(f"{passed} passed, {failed} failed")
    return failed == 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "selftest":
        sys.exit(0 if selftest(sys.argv[2]) else 1)
    if len(sys.argv) == 4 and sys.argv[1] == "check":
        sys.exit(0 if check(sys.argv[2], int(sys.argv[3])) else 1)
    print(__doc__, file=sys.stderr)
    sys.exit(2)
