#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
"""Reads the real program through AT-SPI, as a screen reader does.

    atspi_check.py <storomer binary> <window facts> <program's stderr>

Run inside a D-Bus session (dbus-run-session) on an X display. Checks the
tree at start, then that each Calculate, made through AT-SPI actions alone,
raises one text change carrying the new line, and that inputs raise none.
"""
import shlex
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

# AT-SPI's role for each of Qt's that the window uses. Roles are compared as
# AT-SPI's numbers: their English names differ between releases ("push
# button" became "button").
ROLES = {
    "RadioButton": pyatspi.ROLE_RADIO_BUTTON, "Button": pyatspi.ROLE_PUSH_BUTTON,
    "EditableText": pyatspi.ROLE_TEXT, "CheckBox": pyatspi.ROLE_CHECK_BOX,
    "Slider": pyatspi.ROLE_SLIDER, "StaticText": pyatspi.ROLE_LABEL,
    "Separator": pyatspi.ROLE_SEPARATOR,
}


def read_facts(path):
    """The window's facts, as the facts tool wrote them (name='value' lines)."""
    facts = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            name, _, value = shlex.split(line)[0].partition("=")
            facts[name] = value
    return facts


def expected_tree(facts):
    """role, name, text or value, relation of each control at start, in stacking order."""
    names = facts["controls"].split()
    label_of = {facts[f"{c}_labelled_by"]: c for c in names if facts[f"{c}_labelled_by"]}
    tree = []
    for c in names:
        role = facts[f"{c}_role"]
        content = "" if role == "EditableText" else None
        if facts.get(f"{c}_value"):
            content = int(facts[f"{c}_value"].split("= ")[1])
        relation = None
        if facts[f"{c}_labelled_by"]:
            relation = ("labelled by", facts[f"{facts[f'{c}_labelled_by']}_name"])
        elif c in label_of:
            relation = ("label for", facts[f"{label_of[c]}_name"])
        tree.append((ROLES[role], facts[f"{c}_name"], content, relation))
    return tree


# sides, option to select by its control's name (None: leave as it is), the
# line then shown ("no triangle": the window's line for that).
CALCULATIONS = [
    ((3, 4, 5), None, ""),
    ((3, 4, 5), "Option1", " 12 "),
    ((3, 4, 5), "Option2", " 6 "),
    ((3, 4, 5), None, " 6 "),  # the same line again is heard again
    ((1, 1, 5), None, "no triangle"),
]

failures = []
events = []


def check(ok, what):
    if not ok:
        failures.append(what)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(condition, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        value = condition()
        if value:
            return value
    return None


def relation(accessible):
    names = {pyatspi.RELATION_LABELLED_BY: "labelled by", pyatspi.RELATION_LABEL_FOR: "label for"}
    for r in accessible.getRelationSet():
        if r.getRelationType() in names:
            return (names[r.getRelationType()], r.getTarget(0).name)
    return None


def content(accessible):
    try:
        return accessible.queryText().getText(0, -1)
    except NotImplementedError:
        pass
    try:
        return int(accessible.queryValue().currentValue)
    except NotImplementedError:
        return None


def describe(window):
    return "\n".join(f"  {c.getRoleName()} '{c.name}' {content(c)!r} {relation(c)}" for c in window)


def main():
    binary, facts_file, stderr = sys.argv[1:4]
    facts = read_facts(facts_file)
    title, no_triangle = facts["title"], facts["no_triangle"]
    name = {c: facts[f"{c}_name"] for c in facts["controls"].split()}
    # What a screen reader does when it starts: tell every program to talk.
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, -1, None)
    pyatspi.Registry.registerEventListener(
        lambda e: events.append((e.source.name, e.type, e.any_data)), "object:text-changed")

    program = subprocess.Popen([binary], stderr=open(stderr, "w"))
    try:
        def find_window():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "storomer" and app.childCount:
                    return app[0]
            return None

        window = wait_for(find_window)
        if window is None:
            sys.exit("FAIL: the program never showed up on the accessibility bus")
        check(window.getRole() == pyatspi.ROLE_FRAME and window.name == title,
              f"the window is {window.getRoleName()} '{window.name}'")
        got = [(c.getRole(), c.name, content(c), relation(c)) for c in window]
        check(got == expected_tree(facts), "the tree at start:\n" + describe(window))
        focused = wait_for(lambda: [c.name for c in window
                                    if c.getState().contains(pyatspi.STATE_FOCUSED)], 5)
        first = facts["tab_order"].split()[0]
        check(focused == [name[first]], f"focused at start: {focused}")
        box = next(c for c in window if c.name == name["Picture1"])
        check(box.getState().contains(pyatspi.STATE_READ_ONLY), "the answer is not read-only")
        check(box.description == "", f"the blank answer describes itself as '{box.description}'")


        controls = {c.name: c for c in window}
        sliders = [controls[name[n]] for n in ("Slider1", "Slider2", "Slider3")]
        for sides, option, line in CALCULATIONS:
            pump(0.2)
            events.clear()
            for slider, side in zip(sliders, sides):
                slider.queryValue().currentValue = side
            if option:
                controls[name[option]].queryAction().doAction(0)
            if line == "no triangle":
                line = no_triangle
            pump(0.3)
            check(not events, f"{sides} {option}: inputs alone raised {events}")
            events.clear()
            controls[name["Command1"]].queryAction().doAction(0)
            inserted = wait_for(lambda: [e for e in events if e[1].endswith(":insert")], 5)
            pump(0.3)
            inserts = [e[2] for e in events if e[1].endswith(":insert")]
            want = [line] if line else []
            if line or inserted:
                check(inserts == want, f"{sides} {option}: text inserted {inserts}, not {want}")
            check(content(box) == line, f"{sides} {option}: the answer reads {content(box)!r}")

        # Offsets a client may send, hostile or reversed, read as Qt's widgets read them.
        text = box.queryText()
        for start, end, want in ((-2147483648, 2147483647, no_triangle), (5, 2, ""),
                                 (4, 10, no_triangle[4:10]), (0, -1, no_triangle)):
            got = text.getText(start, end)
            check(got == want, f"GetText({start}, {end}) gave {got!r}, not {want!r}")
        attributes = text.getAttributeRun(3, False)
        check(attributes[1:] == [0, len(no_triangle)], f"the attribute run at 3 is {attributes[1:]}")

        # What is not ours keeps Qt's roles: the formulas box is an alert, a tooltip a tool tip.
        app = window.getApplication()
        def windows_of_role(role):
            return [w for w in app if w is not None and w.getRole() == role]
        controls[name["Command2"]].queryAction().doAction(0)
        alerts = wait_for(lambda: windows_of_role(pyatspi.ROLE_ALERT), 10)
        check(bool(alerts) and alerts[0].name == facts["formulas_title"],
              f"the formulas box is {[(w.getRoleName(), w.name) for w in app]}")
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        check(wait_for(lambda: not windows_of_role(pyatspi.ROLE_ALERT), 10), "Esc left the formulas box open")
        component = controls[name["Command3"]].queryComponent()
        x, y, w, h = component.getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2)], check=True)
        tips = wait_for(lambda: windows_of_role(pyatspi.ROLE_TOOL_TIP), 10)
        check(bool(tips), f"no tool tip over Command3: {[(w.getRoleName(), w.name) for w in app]}")
    finally:
        program.terminate()
        program.wait()

    if failures:
        sys.exit("FAIL: " + "\nFAIL: ".join(failures))
    print("PASS: roles, names, texts, relations and one text change per Calculate")


main()
