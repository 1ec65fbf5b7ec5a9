"""Prints the name of every object of a program's windows that AT-SPI exposes, one a line, as a screen reader
reads them: menus and their entries, controls, colour areas.

Usage: atspi_names.py APP_NAME
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def main():
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    app = next((a for a in apps if a is not None and a.get_name() == sys.argv[1]), None)
    if app is None:
        return 1
    for node in walk(app):
        name = node.get_name()
        if name:
            print(name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
