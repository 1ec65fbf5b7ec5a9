# The JSON palettes keep their documented shape, and their colours, read by Python's own parser, are the
# colours written.
import json
import pathlib
import sys

failures = 0
for path in sorted(pathlib.Path(sys.argv[1]).glob("*.json")):
    expected = path.with_suffix(".expected").read_text().split()
    doc = json.loads(path.read_text(encoding="utf-8"))
    problems = []
    if list(doc) != ["format", "version", "name", "colors"]:
        problems.append(f"keys {list(doc)}")
    if doc.get("format") != "tintwell-palette" or doc.get("version") != 1 or not isinstance(doc.get("name"), str):
        problems.append("header")
    colors = doc.get("colors", [])
    if [c.get("hex", "")[1:] for c in colors] != expected:
        problems.append("hex values")
    if [("%02X%02X%02X" % tuple(c.get("rgb", (0, 0, 0)))) for c in colors] != expected:
        problems.append("rgb values")
    if any(list(c) != ["name", "hex", "rgb"] or not isinstance(c["name"], str) for c in colors):
        problems.append("colour entry shape")
    print(f"{path.name}: {'; '.join(problems) or f'{len(colors)} colours read'}")
    failures += bool(problems)
sys.exit(1 if failures else 0)
