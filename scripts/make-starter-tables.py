#!/usr/bin/env python3
"""Writes the built-in black tables and toner base curves of the starter curves.

Every ramp is known by a few key values: the first level that carries ink, the peak and
the level it stands at, the values at levels 32, 64, ..., 224 and 255, and for the toner inks
their first few values. Between those keys the generator lays the monotone piecewise cubic
with Fritsch-Carlson slopes: it passes through every key, its slope is continuous, and it
never overshoots between keys, so a rising ramp keeps rising and a hump keeps its one peak
where the keys put it. The ink starts from 0 with a flat tangent at the level before the
first inked one.

Values are rounded to whole ink amounts (half up); a level whose curve holds any ink gets at
least 1, so no inked level rounds to 0 and no empty one gains ink. The matte 8-ink table
carries single-precision values with two decimals, and the yellow curve keeps its fractions.
Rounding is monotone, so the shapes survive it; the script checks every key and shape before
it writes anything.

    python3 scripts/make-starter-tables.py   # rewrites the two data files in Sources/StarterCurves
"""

import math
import pathlib
import struct

LEVELS = 256
COLUMNS = [32, 64, 96, 128, 160, 192, 224, 255]

# name: kind of values, then per channel (first inked level, (peak level, peak), values at
# COLUMNS). Kinds: "whole" amounts, "float2" (single precision, two decimals), "double".
BLACK_TABLES = {
    "k8Gloss": ("whole", {
        "black": (166, (255, 44853), [0, 0, 0, 0, 0, 1018, 6236, 44853]),
        "lightBlack": (13, (219, 34664), [366, 821, 3265, 8862, 18313, 29534, 34487, 4719]),
        "lightLightBlack": (1, (114, 31020),
                            [8657, 20088, 29758, 30499, 24533, 13850, 3859, 145]),
    }),
    "k10Gloss": ("whole", {
        "black": (181, (255, 51434), [0, 0, 0, 0, 0, 1094, 8948, 51434]),
        "lightBlack": (41, (207, 31729), [0, 712, 3170, 9096, 19472, 30506, 29497, 8433]),
        "lightLightBlack": (1, (117, 27311),
                            [8320, 17367, 24975, 26620, 20014, 10543, 4875, 0]),
    }),
    "k8Matte": ("float2", {
        "black": (169, (255, 50881.20), [0, 0, 0, 0, 0, 459.59, 8654.04, 50881.20]),
        "lightBlack": (1, (206, 36594.91), [334.51, 958.18, 2253.07, 8616.81, 21485.01,
                                            34403.32, 32372.66, 2717.66]),
        "lightLightBlack": (1, (114, 27684.85), [7326.49, 16406.94, 26005.86, 26797.94,
                                                 17561.79, 5662.13, 550.76, 2.17]),
    }),
    "k10Matte": ("whole", {
        "black": (160, (255, 52188), [0, 0, 0, 0, 1, 509, 9192, 52188]),
        "lightBlack": (1, (205, 36600), [337, 964, 2291, 8767, 21763, 34595, 31923, 1846]),
        "lightLightBlack": (1, (114, 27685), [7358, 16485, 26077, 26732, 17323, 5448, 498, 0]),
    }),
    "x880Gloss": ("whole", {
        "black": (153, (255, 46399), [0, 0, 0, 0, 375, 6800, 20629, 46399]),
        "lightBlack": (14, (184, 30189), [19, 500, 4603, 13535, 25545, 29818, 21841, 5450]),
        "lightLightBlack": (1, (96, 30410), [10903, 24081, 30410, 26876, 17091, 4505, 1581, 87]),
    }),
    "gravure": ("whole", {
        "black": (109, (255, 39203), [0, 0, 0, 17, 181, 1159, 8964, 39203]),
        "lightBlack": (1, (209, 33958), [5443, 11960, 17480, 22751, 27910, 32657, 32232, 12969]),
        "lightLightBlack": (1, (77, 33574), [20218, 32509, 32314, 26992, 19744, 11763, 4619,
                                             144]),
    }),
    "dtpGravure": ("whole", {
        "black": (115, (255, 10376), [0, 0, 0, 208, 895, 2205, 4332, 10376]),
        "lightBlack": (1, (157, 28494), [5483, 13343, 22951, 27430, 28480, 25060, 16334, 4216]),
        "lightLightBlack": (1, (33, 31255), [31253, 21846, 9101, 6985, 5600, 3824, 1811, 0]),
    }),
}

# name: kind, first inked level, (peak level, peak), values at COLUMNS, values of levels 0..
TONER_CURVES = {
    "cyan": ("whole", 5, (255, 25196), [6, 21, 71, 232, 676, 2545, 8541, 25196],
             [0, 0, 0, 0, 0, 1, 1, 1]),
    "lightCyan": ("whole", 1, (201, 13572), [1531, 3082, 5024, 7421, 10507, 13287, 10815, 2221],
                  [0, 56, 112, 168, 224, 280, 331, 382]),
    "magenta": ("whole", 1, (255, 30166), [28, 64, 196, 757, 2164, 5912, 15190, 30166],
                [0, 1, 2, 2, 3, 4, 5, 6]),
    "lightMagenta": ("whole", 1, (184, 20018),
                     [2433, 5220, 9199, 14968, 18486, 19743, 11174, 3282],
                     [0, 79, 159, 239, 318, 396, 472, 548]),
    "yellow": ("double", 1, (255, 19455.703125),
               [1021.68, 1738.73, 2487.77, 3305.58, 4535.43, 6042.26, 8610.34, 19455.703125],
               [0, 107.4543076303494]),
}


def pchip(xs, ys):
    """The monotone cubic through the keys, read at every level (Fritsch-Carlson slopes)."""
    n = len(xs)
    h = [xs[k + 1] - xs[k] for k in range(n - 1)]
    d = [(ys[k + 1] - ys[k]) / h[k] for k in range(n - 1)]

    def sign(value):
        return (value > 0) - (value < 0)

    def end_slope(h0, h1, d0, d1):
        slope = ((2 * h0 + h1) * d0 - h0 * d1) / (h0 + h1)
        if sign(slope) != sign(d0):
            return 0.0
        if sign(d0) != sign(d1) and abs(slope) > abs(3 * d0):
            return 3 * d0
        return slope

    m = [0.0] * n
    for k in range(1, n - 1):
        if d[k - 1] == 0 or d[k] == 0 or sign(d[k - 1]) != sign(d[k]):
            continue
        w1 = 2 * h[k] + h[k - 1]
        w2 = h[k] + 2 * h[k - 1]
        m[k] = (w1 + w2) / (w1 / d[k - 1] + w2 / d[k])
    m[0] = end_slope(h[0], h[1], d[0], d[1])
    m[-1] = end_slope(h[-1], h[-2], d[-1], d[-2])

    values = []
    k = 0
    for level in range(LEVELS):
        while k < n - 2 and xs[k + 1] <= level:
            k += 1
        if level == xs[k] or level == xs[k + 1]:
            values.append(float(ys[k] if level == xs[k] else ys[k + 1]))
            continue
        z = level - xs[k]
        q = (m[k] + m[k + 1] - 2 * d[k]) / h[k]
        values.append(ys[k] + m[k] * z + ((d[k] - m[k]) / h[k] - q) * z * z
                      + (q / h[k]) * z * z * z)
    return values


def single(value):
    """The single-precision number nearest to value, as a double."""
    return struct.unpack("f", struct.pack("f", value))[0]


def rounded(value, kind):
    """Whole amounts or two decimals, half up; any ink at all keeps at least the smallest."""
    if value <= 0:
        return 0.0
    if kind == "whole":
        return float(max(1, math.floor(value + 0.5)))
    if kind == "float2":
        return single(max(1, math.floor(value * 100 + 0.5)) / 100)
    return value


def ramp(kind, first, peak, columns, leading=()):
    keys = {0: 0.0}
    keys.update(enumerate(leading))
    keys[first - 1] = 0.0
    keys.update(zip(COLUMNS, columns))
    keys[peak[0]] = peak[1]
    xs = sorted(keys)
    values = [rounded(v, kind) for v in pchip(xs, [keys[x] for x in xs])]
    if kind == "float2":
        keys = {x: single(v) for x, v in keys.items()}
    for x, v in keys.items():
        values[x] = v  # the keys as given, to the last bit
    check(values, first, peak[0])
    return values


def check(values, first, level):
    assert all(v == 0 for v in values[:first]) and values[first] > 0, "first inked level"
    top = values[level]
    assert all(v < top for i, v in enumerate(values) if i != level), "one peak"
    assert all(0 <= v <= 65535 for v in values)
    rising = values[:level + 1]
    falling = values[level:]
    assert all(a <= b for a, b in zip(rising, rising[1:])), "rises to its peak"
    assert all(a >= b for a, b in zip(falling, falling[1:])), "falls after its peak"


def literal(value, kind):
    if kind == "whole":
        return "%d" % value
    if kind == "float2":
        return "%.2ff" % value
    return repr(value)


def array_text(values, kind, indent):
    texts = [literal(v, kind) for v in values]
    width = max(len(t) for t in texts) + 2
    per_line = max(1, (100 - len(indent)) // width)
    lines = []
    for start in range(0, LEVELS, per_line):
        lines.append(indent + ", ".join(texts[start:start + per_line]) + ",")
    return "\n".join(lines)


HEADER = """\
// Generated by scripts/make-starter-tables.py from the key values of each ramp; edit the
// script, not this file.
"""


def black_tables_source():
    parts = [HEADER, '#include "StarterCurves/BlackTables.h"\n', "namespace sg {",
             "namespace {", "", "// clang-format off",
             "constexpr BlackTable tables[] = {"]
    for name, (kind, channels) in BLACK_TABLES.items():
        parts.append("    // %s" % name)
        parts.append("    {")
        for channel, (first, peak, columns) in channels.items():
            parts.append("        // %s" % channel)
            parts.append("        {{")
            parts.append(array_text(ramp(kind, first, peak, columns), kind, " " * 12))
            parts.append("        }},")
        parts.append("    },")
    parts += ["};", "// clang-format on", "", "}  // namespace", "",
              "const BlackTable& blackTable(BlackTableName name) {",
              "    return tables[static_cast<int>(name)];", "}", "", "}  // namespace sg", ""]
    return "\n".join(parts)


def toner_curves_source():
    parts = [HEADER, '#include "StarterCurves/TonerBaseCurves.h"\n', "namespace sg {",
             "namespace {", "", "// clang-format off", "constexpr TonerBaseCurves curves = {"]
    for name, (kind, first, peak, columns, leading) in TONER_CURVES.items():
        parts.append("    // %s" % name)
        parts.append("    {{")
        parts.append(array_text(ramp(kind, first, peak, columns, leading), kind, " " * 8))
        parts.append("    }},")
    parts += ["};", "// clang-format on", "", "}  // namespace", "",
              "const TonerBaseCurves& tonerBaseCurves() {", "    return curves;", "}", "",
              "}  // namespace sg", ""]
    return "\n".join(parts)


def main():
    folder = pathlib.Path(__file__).resolve().parent.parent / "Sources" / "StarterCurves"
    (folder / "BlackTables.cpp").write_text(black_tables_source())
    (folder / "TonerBaseCurves.cpp").write_text(toner_curves_source())


if __name__ == "__main__":
    main()
