# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
"""Walks Strumkin's windows over AT-SPI, as a screen reader does, and presses
its buttons through the Action interface: the welcome window's Continue once
its wait is over (its showing announced), the title window's Skip, the chord
menu's C option and the C page's save button. Fails on any visible control
without a name and on a diagram without its fingering. Run by accessible.sh
with AT_SPI_BUS_ADDRESS set."""
import sys
import time

import pyatspi
from gi.repository import GLib

# Structure and Qt's own parts of its widgets (a text box's viewport, a
# scroll bar) are not controls of a window and have no names to give.
STRUCTURE = {pyatspi.ROLE_PANEL, pyatspi.ROLE_FILLER, pyatspi.ROLE_SCROLL_BAR,
             pyatspi.ROLE_VIEWPORT, pyatspi.ROLE_MENU_BAR}
failures = []


def check(what, ok):
    print(("ok - " if ok else "FAIL - ") + what)
    if not ok:
        failures.append(what)


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def application(deadline=20):
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Strumkin":
                return app
        time.sleep(0.1)
    sys.exit("Strumkin is not on the accessibility bus")


def window(app, title, deadline=20):
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        for i in range(app.childCount):
            top = app.getChildAtIndex(i)
            if top is not None and top.name.startswith(title) and showing(top):
                return top
        time.sleep(0.1)
    sys.exit(f"no window '{title}'")


def find(top, role, name, deadline=20):
    """The showing object of that role whose name starts so."""
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        for node in nodes(top):
            if node.getRole() == role and node.name.startswith(name) and showing(node):
                return node
        time.sleep(0.1)
    sys.exit(f"no {pyatspi.Role(role)} '{name}' in '{top.name}'")


def walk(top):
    unnamed = [f"{n.getRoleName()} in {n.parent.name or n.parent.getRoleName()}"
               for n in nodes(top)
               if showing(n) and n.getRole() not in STRUCTURE and not n.name.strip()]
    check(f"every visible control of '{top.name}' has a name ({', '.join(unnamed)})",
          not unnamed)


def press(node):
    """A button's Press; an option button's Check (Qt's name for choosing it)."""
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    chosen = next((n for n in ("Press", "Check", "Toggle") if n in names), None)
    if chosen is None:
        sys.exit(f"'{node.name}' has no press among its actions {names}")
    actions.doAction(names.index(chosen))


pyatspi.setTimeout(5000, 30000)
app = application()

# Continue and Exit show once the five-second wait is over: a screen reader
# hears of it as the buttons' state changing to showing. Listening before
# anything else, so that no change goes by unheard.
shown = set()


def showing_changed(event):
    if event.detail1 == 1 and event.source is not None:
        shown.add(event.source.name)
        if {"Continue", "Exit"} <= shown:
            pyatspi.Registry.stop()


pyatspi.Registry.registerEventListener(showing_changed, "object:state-changed:showing")
welcome = window(app, "Starting Strumkin")
walk(welcome)
GLib.timeout_add_seconds(15, pyatspi.Registry.stop)
pyatspi.Registry.start()
check("Continue and Exit are announced as they show", {"Continue", "Exit"} <= shown)
pyatspi.Registry.deregisterEventListener(showing_changed, "object:state-changed:showing")
press(find(welcome, pyatspi.ROLE_PUSH_BUTTON, "Continue"))

title = window(app, "Strumkin  v 1.0")
walk(title)
press(find(title, pyatspi.ROLE_PUSH_BUTTON, "Skip to the Chords"))

menu = window(app, "Learn Some Chords!")
walk(menu)
press(find(menu, pyatspi.ROLE_RADIO_BUTTON, "C: C major and C minor"))

page = window(app, "Chords C major and C minor")
walk(page)
for chord in ("C major", "C minor"):
    diagram = find(page, pyatspi.ROLE_IMAGE, f"{chord} chord diagram")
    print(f"# {diagram.name}: {diagram.description}")
    check(f"the {chord} diagram tells its fingering", diagram.description.endswith("."))
save = [n for n in nodes(page) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and
        n.description.startswith("Saves the C major chord")]
check("one button says it saves the C major chord", len(save) == 1)
if save:
    press(save[0])
sys.exit(1 if failures else 0)
