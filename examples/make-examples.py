#!/usr/bin/env python3
"""Writes the example curve, the measurements of two wedges printed through it, and the
measurements of two ink separation charts.

The printer is simulated: each ink's amount goes through dot gain, the inks add up to a
density, and the density gives L*. The response is smooth and monotone but far from linear,
which is what a real paper does to a curve that was never linearized. The separation charts
print black, light black and light light black (and, on the second, a yellow toner ink) alone
in 21 steps each, interleaved step by step (the darkest ink first), and their readings carry a
little instrument noise. Run it from
anywhere; it rewrites the files beside itself.

    python3 make-examples.py
"""

import math
import pathlib

HEADER = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK"
LABELS = ["# K Curve", "# C Curve", "# M Curve", "# Y Curve",
          "# LC Curve", "# LM Curve", "# LK Curve", "# LLK Curve"]
# Black, light black and light light black carry the image; the colour channels of the curve
# stay empty. Yellow is a faint toner: it only warms the lightest tones.
INK_STRENGTHS = [1.0, 0.0, 0.0, 0.06, 0.0, 0.0, 0.38, 0.14]
NOTES = [
    "Example curve for the Linearization tool",
    "Made by examples/make-examples.py on a simulated printer: not linearized yet",
]
WEDGES = [21, 51]
# The separation charts: file name, what the descriptor says, channels darkest ink first.
SEPARATION_CHARTS = [
    ("separation-chart-3-inks.txt", "K, LK, LLK", [0, 6, 7]),
    ("separation-chart-4-inks.txt", "K, LK, LLK, Y", [0, 6, 7, 3]),
]
SEPARATION_STEPS = 21


def hump(level, start, peak, end, height):
    """A smooth rise from start to peak and fall to end, 0 outside."""
    if level <= start or level >= end:
        return 0.0
    x = (level - start) / (peak - start) if level < peak else (end - level) / (end - peak)
    return height * x * x * (3.0 - 2.0 * x)


def example_curve():
    """Black from level 90 on; the two diluted blacks as humps that hand over to each other."""
    curve = [[0.0] * 256 for _ in LABELS]
    for level in range(256):
        curve[7][level] = math.floor(hump(level, 0.0, 70.0, 175.0, 30000.0))
        curve[6][level] = math.floor(hump(level, 35.0, 150.0, 256.0, 36000.0))
        black = 0.0 if level <= 90 else 42000.0 * ((level - 90.0) / 165.0) ** 1.4
        curve[0][level] = math.floor(black)
    return curve


def printed_lightness(amounts):
    """L* of a patch printed with these ink amounts (0..65535 per channel)."""
    coverage = 0.0
    for amount, strength in zip(amounts, INK_STRENGTHS):
        fraction = min(max(amount / 65535.0, 0.0), 1.0)
        coverage += strength * (1.0 - (1.0 - fraction) ** 1.4)  # dot gain
    density = 0.07 + 2.2 * (1.0 - math.exp(-1.7 * coverage))
    luminance = 10.0 ** -density
    if luminance > 216.0 / 24389.0:
        return 116.0 * luminance ** (1.0 / 3.0) - 16.0
    return luminance * 24389.0 / 27.0


def amounts_at(curve, level):
    """The curve between its two neighbouring levels: patches sit at exact positions."""
    level = min(max(level, 0.0), 255.0)
    lower = min(math.floor(level), 254)
    fraction = level - lower
    return [channel[lower] + (channel[lower + 1] - channel[lower]) * fraction
            for channel in curve]


def print_wedge(curve, patches):
    return [printed_lightness(amounts_at(curve, 255.0 * k / (patches - 1)))
            for k in range(patches)]


def separation_chart(channels):
    """L* of every patch: step j of ink i is patch j * inks + i, with a small, repeatable
    reading error (a few tenths of L*, never enough to turn a curve round)."""
    lightness = []
    for step in range(SEPARATION_STEPS):
        for ink, channel in enumerate(channels):
            amounts = [0.0] * len(LABELS)
            amounts[channel] = 65535.0 * step / (SEPARATION_STEPS - 1)
            noise = 0.12 * math.sin(7.3 * step + 2.1 * ink)
            lightness.append(printed_lightness(amounts) + noise)
    return lightness


def quad_text(curve):
    lines = [HEADER] + ["# " + note for note in NOTES]
    for label, channel in zip(LABELS, curve):
        lines.append(label)
        lines.extend(str(int(value)) for value in channel)
    return "\n".join(lines) + "\n"


def cgats_text(lightness, description):
    lines = [
        "CGATS.17",
        'ORIGINATOR\t"Silvergrain examples/make-examples.py"',
        'DESCRIPTOR\t"%s"' % description,
        "NUMBER_OF_FIELDS\t4",
        "BEGIN_DATA_FORMAT",
        "SAMPLE_ID\tLAB_L\tLAB_A\tLAB_B",
        "END_DATA_FORMAT",
        "NUMBER_OF_SETS\t%d" % len(lightness),
        "BEGIN_DATA",
    ]
    for index, value in enumerate(lightness, start=1):
        lines.append("%d\t%.2f\t0.00\t0.00" % (index, value))
    lines.append("END_DATA")
    return "\n".join(lines) + "\n"


def main():
    folder = pathlib.Path(__file__).resolve().parent
    curve = example_curve()
    (folder / "example-curve.quad").write_text(quad_text(curve), encoding="utf-8")
    for patches in WEDGES:
        description = "%d-step wedge printed through example-curve.quad" % patches
        text = cgats_text(print_wedge(curve, patches), description)
        (folder / ("wedge-%d-steps.txt" % patches)).write_text(text, encoding="utf-8")
    for name, inks, channels in SEPARATION_CHARTS:
        description = "ink separation chart: %s in 21 steps each, interleaved" % inks
        text = cgats_text(separation_chart(channels), description)
        (folder / name).write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
