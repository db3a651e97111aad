#!/usr/bin/python3
"""Walks through the running program the way a screen reader does: through AT-SPI.

Started by run-atspi-walkthrough, which provides the display (X or Wayland), the session bus and
the accessibility bus. Reads the main window, starts a second copy and answers its message,
provokes the first input message, fills in the form, presses Proceed, reads the details window,
goes Back and forward again, opens the About window and the report window (both modal), and ends
the program with Exit. Then starts it again with a saved record on the command line and reads the
record's reading.

Usage: atspi_walkthrough.py [--print] [--maps FILE] PROGRAM CAPTION
  --print      also presses Print in the report window (a job for the default printer)
  --maps FILE  writes the shared libraries the program has mapped, just before Exit
"""
import argparse
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# Roles whose items a screen reader gets from the item itself or from its container.
UNNAMED_OK = {"list", "list item", "table", "table cell", "table column header", "table row header",
              "filler", "panel", "scroll bar", "spin button", "separator", "popup menu", "menu bar"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


# at-spi2-core names some roles differently from release to release: 2.56 calls a push button
# "button" where 2.46 said "push button". The role constants stay, so the walk goes by them.
STABLE_ROLE_NAMES = {Atspi.Role.PUSH_BUTTON: "push button"}


def role_name(node):
    role = node.get_role()
    return STABLE_ROLE_NAMES.get(role) or role.value_nick.replace("-", " ")


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


def application(pid=None):
    """The program on the accessibility bus; with `pid`, the copy running as that process."""
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        try:
            app = desktop.get_child_at_index(index)
            if app is not None and app.get_name() == "NerroFreeChineseZodiacSoftware" and (
                    pid is None or app.get_process_id() == pid):
                return app
        except GLib.GError:
            continue
    return None


def find(app, role, name, only_showing=True):
    for node in walk(app):
        try:
            if role_name(node) == role and node.get_name() == name and (showing(node) or not only_showing):
                return node
        except GLib.GError:
            continue
    return None


def window_titled(app, title, role=None):
    for index in range(app.get_child_count()):
        try:
            window = app.get_child_at_index(index)
            if window is not None and window.get_name() == title and showing(window) and (
                    role is None or role_name(window) == role):
                return window
        except GLib.GError:
            continue
    return None


def enclosing_dialog(node):
    while node is not None and role_name(node) not in ("dialog", "alert"):
        node = node.get_parent()
    return node


def extents(node):
    box = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    return box.x, box.y, box.width, box.height


def overlaps(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def click_is_blocked(window, dialog):
    """Clicks, with the real pointer, a button of `window` that `dialog` does not cover, and tells
    whether the click was kept from it (the button would close `window`)."""
    covered = extents(dialog)
    for name in ("Back", "Exit"):
        button = find(window, "push button", name)
        if button is not None and not overlaps(extents(button), covered):
            x, y, width, height = extents(button)
            Atspi.generate_mouse_event(x + width // 2, y + height // 2, "b1c")
            time.sleep(1)
            return showing(window) and showing(dialog)
    check(False, "every button of the window lies under the dialog")
    return True


def mapped_libraries(pid):
    with open(f"/proc/{pid}/maps", encoding="utf-8") as maps:
        return sorted({line.split()[5] for line in maps if len(line.split()) >= 6 and ".so" in line.split()[5]})


def press(node):
    if node is None:
        check(False, "nothing to press")
        finish()
    check(Atspi.Action.get_n_actions(node) > 0, f"{node.get_name()!r} cannot be pressed")
    Atspi.Action.do_action(node, 0)


def press_without_answer(node):
    """Presses a menu entry that opens a modal window. Qt runs a menu entry's action before it
    answers, and a modal window's action returns only once the window is closed, so the request
    is sent without waiting for the answer."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, -1, None).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
        None, None)
    request = Gio.DBusMessage.new_method_call(node.app.bus_name, node.path, "org.a11y.atspi.Action", "DoAction")
    request.set_body(GLib.Variant("(i)", (0,)))
    request.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
    bus.send_message(request, Gio.DBusSendMessageFlags.NONE)
    bus.flush_sync(None)


def labelled_by(node):
    names = []
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            names += [relation.get_target(i).get_name() for i in range(relation.get_n_targets())]
    return names


def every_focusable_control_is_named(window, where):
    for node in walk(window):
        try:
            role = role_name(node)
            if role in UNNAMED_OK or not showing(node):
                continue
            if node.get_state_set().contains(Atspi.StateType.FOCUSABLE) or role == "push button":
                check(bool(node.get_name()), f"{where}: a {role} has no name")
        except GLib.GError:
            continue


# Programs the walk starts itself; a walk that stops early ends them, or they would keep the
# runner's output open until its time runs out.
started = []


def finish():
    for process in started:
        if process.poll() is None:
            process.kill()
    print("walkthrough:", "passed" if not failures else f"{len(failures)} failure(s)")
    sys.exit(1 if failures else 0)


parser = argparse.ArgumentParser()
parser.add_argument("--print", action="store_true", dest="print_report")
parser.add_argument("--maps")
parser.add_argument("program")
parser.add_argument("caption")
options = parser.parse_args()
CAPTION = options.caption
# Wayland gives a client no way to send keys or clicks to another client's window (and the headless
# compositor has no keyboard or pointer at all), so there the walkthrough uses AT-SPI actions only:
# the report window is not closed by its Escape key, and the program is ended with it open.
WAYLAND = os.environ.get("QT_QPA_PLATFORM") == "wayland"

# A saved record as the report window writes it (Windows-1252 codes plus 3), named with a space and an accent.
RECORD_DIR, RECORD = os.environ["XDG_RUNTIME_DIR"], "Zoë's reading.str"
with open(os.path.join(RECORD_DIR, RECORD), "wb") as record:
    record.write(b"".join(bytes(code + 3 for code in value.encode("cp1252")) + b"\r\n"
                          for value in ("Zoë Lee", "Female", "7", "January", "1980")))

app = wait_for("the program on the accessibility bus", application, 20)
pid = app.get_process_id()
main = wait_for("the main window", lambda: window_titled(app, CAPTION))
every_focusable_control_is_named(main, "main window")

# A second copy says that one is already running, shows no window and ends once answered; the
# first copy carries on untouched.
second = subprocess.Popen([options.program, RECORD], cwd=RECORD_DIR, stdin=subprocess.DEVNULL)
started.append(second)
copy = wait_for("the second copy on the accessibility bus", lambda: application(second.pid), 20)
message = wait_for("the already-running message", lambda: find(copy, "label", "Application is already running"))
check(window_titled(copy, CAPTION) is None, "the second copy shows a window")
press(find(enclosing_dialog(message), "push button", "OK"))
try:
    check(second.wait(10) == 0, f"the second copy ended with {second.returncode}")
except subprocess.TimeoutExpired:
    check(False, "the second copy still runs after its message was answered")
    second.kill()
check(window_titled(app, CAPTION) is not None, "the first copy's main window is gone")
check(find(app, "label", "Ms. Zoë Lee") is None, "the first copy opened the second copy's record")

name_box = find(main, "text", "Name")
check(name_box is not None, "no text box named Name")
check("Name" in labelled_by(name_box), f"the Name box is labelled by {labelled_by(name_box)}")
lists = [node for node in walk(main) if role_name(node) == "combo box"]
check([node.get_description() for node in lists] == ["Birth day", "Birth month", "Birth year"],
      f"the drop-down lists describe themselves as {[node.get_description() for node in lists]}")
check([node.get_name() for node in lists] == ["1", "January", "1936"],
      f"the drop-down lists show {[node.get_name() for node in lists]}")

# Proceed without a name: the program says what is missing, and OK takes the user back.
press(find(main, "push button", "Proceed"))
message = wait_for("the missing-name message", lambda: find(app, "label", "Please Enter Your Name"))
dialog = enclosing_dialog(message)
check(dialog is not None, "the message is not in a dialog")
press(find(dialog, "push button", "OK"))
wait_for("the message to close", lambda: find(app, "label", "Please Enter Your Name") is None)

# Fill in the form as a screen-reader user would, then Proceed.
Atspi.EditableText.set_text_contents(name_box, "Lee Wong")
press(find(main, "radio button", "Female"))
press(find(main, "push button", "Proceed"))
wait_for("the details window", lambda: find(app, "label", "Ms. Lee Wong"))
every_focusable_control_is_named(app, "details window")
check(find(app, "label", "Pig") is not None, "the details window does not name the sign Pig")
check(find(app, "label", "Wood") is not None, "the details window does not name the element Wood")
for field in ("Ruling Planet", "Positive Traits", "Lucky Color", "Most Compatible Sign"):
    box = find(app, "text", field)
    check(box is not None, f"no text box named {field}")
    if box is not None:
        check(Atspi.Text.get_character_count(box) > 0, f"the {field} box is empty")
for arrow in ("Previous month", "Next month"):
    check(find(app, "push button", arrow) is not None, f"the calendar has no button named {arrow}")

# Back brings an empty main window; Exit there would end, so go forward again.
press(find(app, "push button", "Back"))
main = wait_for("the main window again", lambda: window_titled(app, CAPTION) if find(app, "push button", "Proceed") else None)
name_box = find(main, "text", "Name")
check(Atspi.Text.get_character_count(name_box) == 0, "the name box is not empty after Back")
Atspi.EditableText.set_text_contents(name_box, "Lee Wong")
press(find(main, "radio button", "Male"))
press(find(main, "push button", "Proceed"))
wait_for("the details window again", lambda: find(app, "label", "Mr. Lee Wong"))
details = window_titled(app, CAPTION)

# The About window opens modally from the Help menu and OK returns to the details window.
about_entry = find(app, "menu item", "About Software", only_showing=False)
check(about_entry is not None, "no menu entry named About Software")
press_without_answer(about_entry)
about = wait_for("the About window", lambda: window_titled(app, CAPTION, "dialog"))
if not WAYLAND:
    check(click_is_blocked(details, about), "a click reached the details window behind the About window")
press(find(about, "push button", "OK"))
wait_for("the About window to close", lambda: window_titled(app, CAPTION, "dialog") is None)
check(showing(details), "the details window is gone after the About window")

# Print opens the report window modally, with the reading in it.
press(find(details, "push button", "Print"))
report = wait_for("the report window", lambda: window_titled(app, CAPTION, "dialog"))
text = find(report, "text", "Report")
check(text is not None and "Lee Wong" in Atspi.Text.get_text(text, 0, -1), "the report does not name Lee Wong")
if options.print_report:
    press(find(report, "push button", "Print"))
    # Printing goes through Qt's print support plugin, which is loaded only now.
    wait_for("the print support plugin", lambda: any("/printsupport/" in library for library in mapped_libraries(pid)))
    time.sleep(1)
    for node in walk(app):
        try:
            if role_name(node) in ("dialog", "alert") and node is not report and showing(node):
                check(False, "printing gave the message: " + " / ".join(
                    label.get_name() for label in walk(node) if role_name(label) == "label"))
        except GLib.GError:
            continue
if not WAYLAND:
    # Escape closes the report window and the details window is still there.
    Atspi.generate_keyboard_event(0xFF1B, None, Atspi.KeySynthType.SYM)
    wait_for("the report window to close", lambda: window_titled(app, CAPTION, "dialog") is None)
    check(showing(details), "the details window is gone after the report window")

if options.maps:
    with open(options.maps, "w", encoding="utf-8") as out:
        out.write("\n".join(mapped_libraries(pid)) + "\n")
# Exit ends the program (run-atspi-walkthrough checks that it is gone), on Wayland with the
# report window still open.
press(find(details, "push button", "Exit"))

# Started again with the record, the program shows the record's reading.
wait_for("the program to end", lambda: application(pid) is None)
opened = subprocess.Popen([options.program, RECORD], cwd=RECORD_DIR, stdin=subprocess.DEVNULL)
started.append(opened)
app = wait_for("the program with a record on the accessibility bus", lambda: application(opened.pid), 20)
wait_for("the record's reading", lambda: find(app, "label", "Ms. Zoë Lee"))
check(find(app, "label", "Goat") is not None, "the record's reading does not name the sign Goat")
press(find(app, "push button", "Exit"))
wait_for("the program with a record to end", lambda: opened.poll() is not None)
finish()
