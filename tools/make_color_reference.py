#!/usr/bin/python3
"""Writes tests/color/ReferenceColors.inc: Oklab and colour-vision simulations of a fixed sample of colours,
worked out apart from the program's own code, for its tests to compare against.

- Oklab: numpy, from CSS Color 4's published matrices (the program's code is not used).
- Protanopia, deuteranopia: colorspacious (Debian python3-colorspacious), Machado et al. 2009 at severity 100.
- Tritanopia: Brettel et al. 1997 written here a second way: the simulated colour is a*white + b*anchor with
  b >= 0 (the half-plane of the 485 nm or the 660 nm anchor) and the same L and M cone responses.
- Achromatopsia: colorspacious's CIE Y of the colour, as a grey.

Run it again only when the sample changes (needs Debian's python3-numpy and python3-colorspacious):
    /usr/bin/python3 tools/make_color_reference.py
"""
import os
import random

import numpy as np
from colorspacious import cspace_convert

XYZ_TO_LMS_OKLAB = np.array([[0.8190224379967030, 0.3619062600528904, -0.1288737815209879],
                             [0.0329836539323885, 0.9292868615863434, 0.0361446663506424],
                             [0.0481771893596242, 0.2642395317527308, 0.6335478284694309]])
LMS_TO_OKLAB = np.array([[0.2104542683093140, 0.7936177747023054, -0.0040720430116193],
                         [1.9779985324311684, -2.4285922420485799, 0.4505937096174110],
                         [0.0259040424655478, 0.7827717124575296, -0.8086757549230774]])
RGB_TO_XYZ = np.array([[506752 / 1228815, 87881 / 245763, 12673 / 70218],
                       [87098 / 409605, 175762 / 245763, 12673 / 175545],
                       [7918 / 409605, 87881 / 737289, 1001167 / 1053270]])
SMITH_POKORNY = np.array([[0.15514, 0.54312, -0.03286], [-0.15514, 0.45684, 0.03286], [0, 0, 0.01608]])
CMF_485 = np.array([0.05795, 0.16930, 0.61620])
CMF_660 = np.array([0.16490, 0.06100, 0.00000])


def linear(rgb8):
    c = np.asarray(rgb8, dtype=float) / 255
    return np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)


def encode(lin):
    lin = np.clip(lin, 0, 1)
    c = np.where(lin <= 0.0031308, lin * 12.92, 1.055 * lin ** (1 / 2.4) - 0.055)
    return [int(v) for v in np.rint(c * 255)]


def oklab(rgb8):
    lms = XYZ_TO_LMS_OKLAB @ (RGB_TO_XYZ @ linear(rgb8))
    return LMS_TO_OKLAB @ np.cbrt(lms)


def clip8(srgb1):
    return [int(v) for v in np.rint(np.clip(srgb1, 0, 1) * 255)]


def machado(rgb8, kind):
    return clip8(cspace_convert(np.asarray(rgb8) / 255, {"name": "sRGB1+CVD", "cvd_type": kind, "severity": 100},
                                "sRGB1"))


def brettel_tritan(rgb8):
    to_lms = SMITH_POKORNY @ RGB_TO_XYZ
    q = to_lms @ linear(rgb8)
    white = to_lms @ np.ones(3)
    for anchor in (SMITH_POKORNY @ CMF_485, SMITH_POKORNY @ CMF_660):
        # Same L and M: solve a*white + b*anchor in those two rows.
        a, b = np.linalg.solve(np.array([[white[0], anchor[0]], [white[1], anchor[1]]]), q[:2])
        if b >= -1e-12:
            simulated = np.array([q[0], q[1], a * white[2] + b * anchor[2]])
            return encode(np.linalg.solve(to_lms, simulated))
    raise AssertionError("no half-plane for %s" % (rgb8,))


def achromat(rgb8):
    y = cspace_convert(np.asarray(rgb8) / 255, "sRGB1", "XYZ1")[1]
    return encode(np.full(3, y))


def sample():
    colours = {(r, g, b) for r in range(0, 256, 51) for g in range(0, 256, 51) for b in range(0, 256, 51)}
    rng = random.Random(16)
    while len(colours) < 216 + 300:
        colours.add((rng.randrange(256), rng.randrange(256), rng.randrange(256)))
    return sorted(colours)


def hex6(rgb8):
    return "0x%02X%02X%02X" % tuple(rgb8)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "color", "ReferenceColors.inc")
    lines = ["// Written by tools/make_color_reference.py; do not edit by hand.",
             "// { sRGB, Oklab L a b, protanopia, deuteranopia, tritanopia, achromatopsia }, colours as 0xRRGGBB."]
    for rgb in sample():
        lab = oklab(rgb)
        lines.append("{ %s, %.12f, %.12f, %.12f, %s, %s, %s, %s }," % (
            hex6(rgb), lab[0], lab[1], lab[2], hex6(machado(rgb, "protanomaly")), hex6(machado(rgb, "deuteranomaly")),
            hex6(brettel_tritan(rgb)), hex6(achromat(rgb))))
    with open(out, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
