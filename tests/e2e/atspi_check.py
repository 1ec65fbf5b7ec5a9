"""Reads Tintwell's windows through AT-SPI, as a screen reader does, and checks what they expose.

Usage: atspi_check.py APP_NAME FAVOURITES PAGE_PARTS [PICTURE_COLOURS]
Fails (exit 1, one line per fault) on a focusable object without a name, and on a colour object whose name does not
carry its value as #RRGGBB; checks that the 16 swatches, the base area, the given number of favourites and page
parts are exposed, the 216 cells of the websafe palette strip, and the given number of a picture's colours (none by
default) with the picture itself named. Prints what it found, and the objects that have
the focus ("Focused: NAME").
"""
import re
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

HEX = re.compile(r"#[0-9A-F]{6}\b")
COLOUR_NAMES = re.compile(r"^(Swatch \d+|Base color|Favorite \d+|Palette row \d+ column \d+|Black|White|"
                          r"Color under the pointer|Picture color \d+|"
                          r"Page background|Table header background|Header|Table header text|Navigation background|"
                          r"Main background|Link \d|Body header|Body text), ")


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def main():
    app_name, favourites, parts = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    picture_colours = int(sys.argv[4]) if len(sys.argv) > 4 else 0
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    app = next((a for a in apps if a is not None and a.get_name() == app_name), None)
    if app is None:
        print("no application %r among %s" % (app_name, [a.get_name() for a in apps if a is not None]))
        return 1
    faults, colours, pictures = [], {}, 0
    for node in walk(app):
        role = node.get_role_name()
        name = node.get_name() or ""
        states = node.get_state_set()
        if states.contains(Atspi.StateType.FOCUSABLE) and states.contains(Atspi.StateType.SHOWING) \
                and not name.strip():
            faults.append("unnamed focusable %s (%s)" % (role, node.get_description()))
        pictures += name == "Picture"
        if states.contains(Atspi.StateType.FOCUSED):
            print("Focused: " + name)
        match = COLOUR_NAMES.match(name)
        if match:
            kind = re.sub(r"\d+", "#", match.group(1))
            colours.setdefault(kind, []).append(name)
            if not HEX.search(name):
                faults.append("colour object without its value: %r" % name)
    expected = {"Swatch #": 16, "Base color": 1, "Favorite #": favourites, "Palette row # column #": 216,
                "Black": 1, "White": 1, "Picture color #": picture_colours}
    if parts:
        expected.update({"Page background": 1, "Link #": 4, "Body text": 1})
    for kind, count in expected.items():
        if len(colours.get(kind, [])) != count:
            faults.append("%d %s objects, expected %d" % (len(colours.get(kind, [])), kind, count))
    if pictures != (1 if picture_colours else 0):
        faults.append("%d objects named Picture, expected %d" % (pictures, 1 if picture_colours else 0))
    for kind in sorted(colours):
        print("%s: %s" % (kind, "; ".join(colours[kind][:3])))
    for fault in faults:
        print("FAULT: " + fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
