# Python's GIMP palette reader (PIL) must read every colour of every .gpl the program writes.
import pathlib
import sys

from PIL.GimpPaletteFile import GimpPaletteFile

HEADER_LINES = 3  # "Name:", "Columns:" and "#": PIL counts them as palette slots and skips them

failures = 0
for path in sorted(pathlib.Path(sys.argv[1]).glob("*.gpl")):
    expected = [bytes.fromhex(line) for line in path.with_suffix(".expected").read_text().split()]
    with path.open("rb") as f:
        palette, mode = GimpPaletteFile(f).getpalette()
    got = [palette[3 * i:3 * i + 3] for i in range(HEADER_LINES, HEADER_LINES + len(expected))]
    if mode != "RGB" or got != expected:
        first = next(i for i, (a, b) in enumerate(zip(got, expected)) if a != b) if got != expected else 0
        print(f"{path.name}: colour {first} reads as {got[first].hex()}, expected {expected[first].hex()}")
        failures += 1
    else:
        print(f"{path.name}: {len(expected)} colours read")
sys.exit(1 if failures else 0)
