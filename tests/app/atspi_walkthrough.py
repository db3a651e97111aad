#!/usr/bin/python3
"""Walks through the running program the way a screen reader does: through AT-SPI.

Started by run-atspi-walkthrough, which provides the X server, the session bus and the
accessibility bus. Reads the main window, provokes the first input message, fills in the form,
presses Proceed, reads the details window, goes Back and ends the program with Exit.
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Roles whose items a screen reader gets from the item itself or from its container.
UNNAMED_OK = {"list", "list item", "table", "table cell", "table column header", "table row header",
              "filler", "panel", "scroll bar", "spin button", "separator", "popup menu", "menu bar"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def walk(node):
    """Every node under `node`; a node that goes away while it is read (a window being closed) is
    left out rather than failing the walk."""
    try:
        count = node.get_child_count()
    except GLib.GError:
        return
    yield node
    for index in range(count):
        try:
            child = node.get_child_at_index(index)
        except GLib.GError:
            continue
        if child is not None:
            yield from walk(child)


def showing(node):
    try:
        return node.get_state_set().contains(Atspi.StateType.SHOWING)
    except GLib.GError:
        return False


def wait_for(what, probe, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    print("FAIL: timed out waiting for", what)
    failures.append("timed out waiting for " + what)
    finish()


def application():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_name() == "NerroFreeChineseZodiacSoftware":
            return app
    return None


def find(app, role, name, only_showing=True):
    for node in walk(app):
        try:
            if node.get_role_name() == role and node.get_name() == name and (showing(node) or not only_showing):
                return node
        except GLib.GError:
            continue
    return None


def window_titled(app, title):
    for index in range(app.get_child_count()):
        try:
            window = app.get_child_at_index(index)
            if window is not None and window.get_name() == title and showing(window):
                return window
        except GLib.GError:
            continue
    return None


def press(node):
    if node is None:
        check(False, "nothing to press")
        finish()
    check(Atspi.Action.get_n_actions(node) > 0, f"{node.get_name()!r} cannot be pressed")
    Atspi.Action.do_action(node, 0)


def labelled_by(node):
    names = []
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            names += [relation.get_target(i).get_name() for i in range(relation.get_n_targets())]
    return names


def every_focusable_control_is_named(window, where):
    for node in walk(window):
        try:
            role = node.get_role_name()
            if role in UNNAMED_OK or not showing(node):
                continue
            if node.get_state_set().contains(Atspi.StateType.FOCUSABLE) or role == "push button":
                check(bool(node.get_name()), f"{where}: a {role} has no name")
        except GLib.GError:
            continue


def finish():
    print("walkthrough:", "passed" if not failures else f"{len(failures)} failure(s)")
    sys.exit(1 if failures else 0)


CAPTION = sys.argv[1]

app = wait_for("the program on the accessibility bus", application, 20)
main = wait_for("the main window", lambda: window_titled(app, CAPTION))
every_focusable_control_is_named(main, "main window")

name_box = find(main, "text", "Name")
check(name_box is not None, "no text box named Name")
check("Name" in labelled_by(name_box), f"the Name box is labelled by {labelled_by(name_box)}")
lists = [node for node in walk(main) if node.get_role_name() == "combo box"]
check([node.get_description() for node in lists] == ["Birth day", "Birth month", "Birth year"],
      f"the drop-down lists describe themselves as {[node.get_description() for node in lists]}")
check([node.get_name() for node in lists] == ["1", "January", "1936"],
      f"the drop-down lists show {[node.get_name() for node in lists]}")

# Proceed without a name: the program says what is missing, and OK takes the user back.
press(find(main, "push button", "Proceed"))
message = wait_for("the missing-name message", lambda: find(app, "label", "Please Enter Your Name"))
dialog = message
while dialog is not None and dialog.get_role_name() not in ("dialog", "alert"):
    dialog = dialog.get_parent()
check(dialog is not None, "the message is not in a dialog")
press(find(dialog, "push button", "OK"))
wait_for("the message to close", lambda: find(app, "label", "Please Enter Your Name") is None)

# Fill in the form as a screen-reader user would, then Proceed.
Atspi.EditableText.set_text_contents(name_box, "Lee Wong")
press(find(main, "radio button", "Female"))
press(find(main, "push button", "Proceed"))
wait_for("the details window", lambda: find(app, "label", "Ms. Lee Wong"))
every_focusable_control_is_named(app, "details window")
check(find(app, "label", "Rat") is not None, "the details window does not name the sign Rat")
check(find(app, "label", "Fire") is not None, "the details window does not name the element Fire")
for field in ("Ruling Planet", "Positive Traits", "Lucky Color", "Most Compatible Sign"):
    box = find(app, "text", field)
    check(box is not None, f"no text box named {field}")
    if box is not None:
        check(Atspi.Text.get_character_count(box) > 0, f"the {field} box is empty")
for arrow in ("Previous month", "Next month"):
    check(find(app, "push button", arrow) is not None, f"the calendar has no button named {arrow}")

# Back brings an empty main window; Exit there would end, so go forward again and Exit.
press(find(app, "push button", "Back"))
main = wait_for("the main window again", lambda: window_titled(app, CAPTION) if find(app, "push button", "Proceed") else None)
name_box = find(main, "text", "Name")
check(Atspi.Text.get_character_count(name_box) == 0, "the name box is not empty after Back")
Atspi.EditableText.set_text_contents(name_box, "Lee Wong")
press(find(main, "radio button", "Male"))
press(find(main, "push button", "Proceed"))
wait_for("the details window again", lambda: find(app, "label", "Mr. Lee Wong"))
press(find(app, "push button", "Exit"))
finish()
