#!/usr/bin/env python3
"""Reads the running program's accessibility tree over AT-SPI, as a screen reader does,
and checks that the main window's controls, the display window's colours and a palette
chip can be found by name.

Arguments: the program's process id and the name of the first colour of its palette.
"""
import re
import sys
import time

import pyatspi

PID = int(sys.argv[1])
FIRST_CHIP = sys.argv[2]
INTERACTIVE = {"slider", "text", "push button", "radio button", "check box", "combo box",
               "page tab", "list item", "dial", "scroll bar", "spin button", "menu item", "menu"}
RESIDUE = re.compile(r"[(（][A-Za-z][)）]\s*$|&")
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
    return ok


def find_app():
    for _ in range(150):
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == PID:
                    return app
            except Exception:
                pass
        time.sleep(0.1)
    return None


def walk(node, depth=0):
    yield node
    if depth > 40:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def nodes(app):
    return list(walk(app))


def named(all_nodes, role, name):
    return [n for n in all_nodes if n.getRoleName() == role and n.name == name]


def wait_for(app, role, name, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        found = named(nodes(app), role, name)
        if found:
            return found[0]
        time.sleep(0.2)
    return None


def main():
    app = find_app()
    if not check(app is not None, "the program is not on the accessibility bus"):
        return
    all_nodes = nodes(app)

    # The main window's controls, by the names a user hears.
    for name, maximum in (("赤", 255), ("緑", 255), ("青", 255)):
        sliders = named(all_nodes, "slider", name)
        if check(sliders, "no slider named %s" % name):
            value = sliders[0].queryValue()
            check(value.minimumValue == 0 and value.maximumValue == maximum,
                  "slider %s ranges %s..%s" % (name, value.minimumValue, value.maximumValue))
    check(named(all_nodes, "text", "色コード"), "no field named 色コード")
    # The first three options are captioned with the sample texts.
    options = [n for n in all_nodes if n.getRoleName() == "radio button"]
    check(len(options) == 5, "%d option buttons" % len(options))
    for caption in ("Shape1", "Shape2"):
        check(named(all_nodes, "radio button", caption), "no option button named %s" % caption)
    for n in all_nodes:
        role = n.getRoleName()
        if role in INTERACTIVE:
            check(n.name and not RESIDUE.search(n.name), "%s named %r" % (role, n.name))

    # The display window's five colours, each with its code.
    display = [n for n in all_nodes if n.name == "表示ウィンドウ"]
    if check(display, "no display window"):
        objects = [display[0].getChildAtIndex(i).name for i in range(display[0].childCount)]
        for caption in ("sample1", "sample2", "sample3", "Shape1", "Shape2"):
            check(any(re.fullmatch(caption + r" #[0-9A-F]{6}", o or "") for o in objects),
                  "display window has no %s colour among %r" % (caption, objects))

    # The palette window, opened through its menu command, and one of its chips.
    items = named(all_nodes, "menu item", "パレット")
    if check(items, "no menu item パレット"):
        action = items[0].queryAction()
        check(action.nActions > 0 and action.doAction(0), "the menu item パレット cannot be invoked")
        grid = wait_for(app, "list", "パレットの色")
        if check(grid is not None, "no palette grid after the menu command"):
            chips = [grid.getChildAtIndex(i) for i in range(grid.childCount)]
            match = [c for c in chips if c.name == FIRST_CHIP]
            if check(match, "no chip named %s among %d chips" % (FIRST_CHIP, len(chips))):
                check(match[0].getRoleName() == "list item", "chip role %s" % match[0].getRoleName())
                check(match[0].description.startswith("FF0000"),
                      "chip description %r" % match[0].description)


main()
for f in failures:
    print("FAIL:", f)
print("checked over AT-SPI: %s" % ("ok" if not failures else "%d failures" % len(failures)))
sys.exit(1 if failures else 0)
