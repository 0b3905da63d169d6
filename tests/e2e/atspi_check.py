#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Storomer developers
# SPDX-License-Identifier: MIT
"""Reads the real program through AT-SPI, as a screen reader does.

    atspi_check.py <storomer binary> <window title> <formulas box title> <program's stderr>

Run inside a D-Bus session (dbus-run-session) on an X display. Checks the
tree at start, then that each Calculate, made through AT-SPI actions alone,
raises one text change carrying the new line, and that inputs raise none.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

# role, name, text or value, relation: the window at start, in the order of
# its description. Roles are compared as AT-SPI's numbers: their English
# names differ between releases ("push button" became "button").
TREE = [
    (pyatspi.ROLE_RADIO_BUTTON, "Вычислить периметр треугольника", None, None),
    (pyatspi.ROLE_RADIO_BUTTON, "Вычислить площадь треугольника", None, None),
    (pyatspi.ROLE_PUSH_BUTTON, "Формулы", None, None),
    (pyatspi.ROLE_PUSH_BUTTON, "Вычислить", None, None),
    (pyatspi.ROLE_PUSH_BUTTON, "Выход", None, None),
    (pyatspi.ROLE_TEXT, "Ответ", "", None),
    (pyatspi.ROLE_CHECK_BOX, "Округлить", None, None),
    (pyatspi.ROLE_SLIDER, "Третья сторона треугольника", 0, ("labelled by", "C")),
    (pyatspi.ROLE_SLIDER, "Вторая сторона треугольника", 0, ("labelled by", "B")),
    (pyatspi.ROLE_SLIDER, "Первая сторона треугольника", 0, ("labelled by", "A")),
    (pyatspi.ROLE_LABEL, "A", None, ("label for", "Первая сторона треугольника")),
    (pyatspi.ROLE_LABEL, "B", None, ("label for", "Вторая сторона треугольника")),
    (pyatspi.ROLE_LABEL, "C", None, ("label for", "Третья сторона треугольника")),
    (pyatspi.ROLE_LABEL, "Установите длинну сторон треугольника:", None, None),
    (pyatspi.ROLE_SEPARATOR, "", None, None),
    (pyatspi.ROLE_LABEL, "Для вычисления нажмите кнопку \"Вычислить\".", None, None),
]

# sides, option to select (None: leave as it is), the line then shown.
CALCULATIONS = [
    ((3, 4, 5), None, ""),
    ((3, 4, 5), "Вычислить периметр треугольника", " 12 "),
    ((3, 4, 5), "Вычислить площадь треугольника", " 6 "),
    ((3, 4, 5), None, " 6 "),  # the same line again is heard again
    ((1, 1, 5), None, "Нет такого треугольника"),
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
    binary, title, formulas_title, stderr = sys.argv[1:5]
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
        check(got == TREE, "the tree at start:\n" + describe(window))
        focused = wait_for(lambda: [c.name for c in window
                                    if c.getState().contains(pyatspi.STATE_FOCUSED)], 5)
        check(focused == ["Округлить"], f"focused at start: {focused}")
        box = next(c for c in window if c.name == "Ответ")
        check(box.getState().contains(pyatspi.STATE_READ_ONLY), "the answer is not read-only")
        check(box.description == "", f"the blank answer describes itself as '{box.description}'")


        controls = {c.name: c for c in window}
        sliders = [controls[n] for n in ("Первая сторона треугольника",
                                         "Вторая сторона треугольника",
                                         "Третья сторона треугольника")]
        for sides, option, line in CALCULATIONS:
            pump(0.2)
            events.clear()
            for slider, side in zip(sliders, sides):
                slider.queryValue().currentValue = side
            if option:
                controls[option].queryAction().doAction(0)
            pump(0.3)
            check(not events, f"{sides} {option}: inputs alone raised {events}")
            events.clear()
            controls["Вычислить"].queryAction().doAction(0)
            inserted = wait_for(lambda: [e for e in events if e[1].endswith(":insert")], 5)
            pump(0.3)
            inserts = [e[2] for e in events if e[1].endswith(":insert")]
            want = [line] if line else []
            if line or inserted:
                check(inserts == want, f"{sides} {option}: text inserted {inserts}, not {want}")
            check(content(box) == line, f"{sides} {option}: the answer reads {content(box)!r}")

        # Offsets a client may send, hostile or reversed, read as Qt's widgets read them.
        text = box.queryText()
        for start, end, want in ((-2147483648, 2147483647, "Нет такого треугольника"),
                                 (5, 2, ""), (4, 10, "такого"), (0, -1, "Нет такого треугольника")):
            got = text.getText(start, end)
            check(got == want, f"GetText({start}, {end}) gave {got!r}, not {want!r}")
        attributes = text.getAttributeRun(3, False)
        check(attributes[1:] == [0, 23], f"the attribute run at 3 is {attributes[1:]}")

        # What is not ours keeps Qt's roles: the formulas box is an alert, a tooltip a tool tip.
        app = window.getApplication()
        def windows_of_role(role):
            return [w for w in app if w is not None and w.getRole() == role]
        controls["Формулы"].queryAction().doAction(0)
        alerts = wait_for(lambda: windows_of_role(pyatspi.ROLE_ALERT), 10)
        check(bool(alerts) and alerts[0].name == formulas_title,
              f"the formulas box is {[(w.getRoleName(), w.name) for w in app]}")
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        check(wait_for(lambda: not windows_of_role(pyatspi.ROLE_ALERT), 10), "Esc left the formulas box open")
        component = controls["Выход"].queryComponent()
        x, y, w, h = component.getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2)], check=True)
        tips = wait_for(lambda: windows_of_role(pyatspi.ROLE_TOOL_TIP), 10)
        check(bool(tips), f"no tool tip over Выход: {[(w.getRoleName(), w.name) for w in app]}")
    finally:
        program.terminate()
        program.wait()

    if failures:
        sys.exit("FAIL: " + "\nFAIL: ".join(failures))
    print("PASS: roles, names, texts, relations and one text change per Calculate")


main()
