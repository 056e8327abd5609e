#!/usr/bin/python3
"""Prints the accessibility tree of one program, as a screen reader sees it
over AT-SPI: one line an object, "depth<TAB>role<TAB>name<TAB>description<TAB>shown",
where shown is "hidden" for an object hidden for good (not only on a page
not chosen); line breaks inside texts written as \\n.
Usage: atspi_tree.py PID"""

import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def text(value):
    return (value or "").replace("\\", "\\\\").replace("\n", "\\n").replace("\t", " ")


def walk(node, depth):
    hidden = "" if node.get_state_set().contains(Atspi.StateType.VISIBLE) else "hidden"
    print(f"{depth}\t{node.get_role_name()}\t{text(node.get_name())}\t{text(node.get_description())}\t{hidden}")
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            walk(child, depth + 1)


def main():
    pid = int(sys.argv[1])
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_process_id() == pid:
            walk(app, 0)
            return 0
    print(f"no program with process id {pid} is on the accessibility bus", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
