#!/usr/bin/env python3
"""Reads the running program's accessibility tree over AT-SPI, as a screen reader does,
and checks that the main window's controls, the display window's colours and a palette
chip can be found by name.

Arguments: the program's process id, the name of the first colour of its palette and the
interface language (ja or en).
"""
import re
import sys
import time

import pyatspi

PID = int(sys.argv[1])
FIRST_CHIP = sys.argv[2]
LANG = sys.argv[3] if len(sys.argv) > 3 else "ja"
# The names a user hears, in each language.
NAMES = {
    "ja": {"red": "赤", "green": "緑", "blue": "青", "code": "色コード", "shape1": "Shape1", "shape2": "Shape2",
           "display": "表示ウィンドウ", "palette": "パレット", "grid": "パレットの色"},
    "en": {"red": "Red", "green": "Green", "blue": "Blue", "code": "Colour code", "shape1": "Shape 1",
           "shape2": "Shape 2", "display": "Display window", "palette": "Palette", "grid": "Palette colours"},
}[LANG]
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
    for name, maximum in ((NAMES["red"], 255), (NAMES["green"], 255), (NAMES["blue"], 255)):
        sliders = named(all_nodes, "slider", name)
        if check(sliders, "no slider named %s" % name):
            value = sliders[0].queryValue()
            check(value.minimumValue == 0 and value.maximumValue == maximum,
                  "slider %s ranges %s..%s" % (name, value.minimumValue, value.maximumValue))
    check(named(all_nodes, "text", NAMES["code"]), "no field named %s" % NAMES["code"])
    # The first three options are captioned with the sample texts.
    options = [n for n in all_nodes if n.getRoleName() == "radio button"]
    check(len(options) == 5, "%d option buttons" % len(options))
    for caption in (NAMES["shape1"], NAMES["shape2"]):
        check(named(all_nodes, "radio button", caption), "no option button named %s" % caption)
    for n in all_nodes:
        role = n.getRoleName()
        if role in INTERACTIVE:
            check(n.name and not RESIDUE.search(n.name), "%s named %r" % (role, n.name))

    # The display window's five colours, each with its code.
    display = [n for n in all_nodes if n.name == NAMES["display"]]
    if check(display, "no display window"):
        objects = [display[0].getChildAtIndex(i).name for i in range(display[0].childCount)]
        for caption in ("sample1", "sample2", "sample3", "Shape1", "Shape2"):
            check(any(re.fullmatch(caption + r" #[0-9A-F]{6}", o or "") for o in objects),
                  "display window has no %s colour among %r" % (caption, objects))

    # The palette window, opened through its menu command, and one of its chips.
    items = named(all_nodes, "menu item", NAMES["palette"])
    if check(items, "no menu item %s" % NAMES["palette"]):
        action = items[0].queryAction()
        check(action.nActions > 0 and action.doAction(0), "the menu item %s cannot be invoked" % NAMES["palette"])
        grid = wait_for(app, "list", NAMES["grid"])
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
