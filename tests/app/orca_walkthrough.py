#!/usr/bin/python3
"""Uses the program by keyboard alone with the screen reader Orca listening, and checks that Orca
would have said what a blind user needs to hear.

Started by run-orca-walkthrough, which provides the X server, the window manager, the session bus
and the accessibility bus. Orca has no speech server; every sentence it would have spoken is in its
debug file as a "SPEECH OUTPUT" line, and that is what is checked here. The checks look for the
words that carry the meaning (what a list is and its value, a box's name and whole text), not for
Orca's exact wording.

Usage: orca_walkthrough.py PROGRAM SCRATCH_DIR CAPTION
"""
import os
import re
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))

# How long one step may take on a slow, shared machine; a step normally takes well under a second.
STEP_SECONDS = 20
# The whole walk takes about a minute; past this, or after this many steps in a row in which Orca
# did not say what was expected, it has lost its way and stops (CTest's limit is 300 s).
WALK_SECONDS = 240
MISSES_IN_A_ROW = 3

# The reading of Ann, born 1 January 1936, before that year's New Year: a Pig of the element Wood.
READING_LINES = {
    "Ruling Planet": "Mars",
    "Lucky Color": "Dark Blue",
    "GemStone": "Topaz",
    "Energy": "Yin (Positive)",
    "Lucky Seasons": "Early Winter",
    "Lucky Month": "October",
    "Most Compatible Sign": "Rabbit, Goat",
    "Least Compatible Sign": "Snake",
}
# Words that only the link labels and the brand offers say.
LINK_WORDS = re.compile(r"Forum|Click here|Co-brand|Home Business|visit us", re.IGNORECASE)
# Roles Orca's focus passes through on its way to a window's first control.
WINDOW_ROLES = {"application", "frame", "window", "dialog", "alert", "filler"}

failures = []


class Abort(Exception):
    """The walk cannot go on."""


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


class Orca:
    """Orca and what it would have spoken, read from its debug file as the file grows."""

    STAMP = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
    SPEECH = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - SPEECH OUTPUT: '")
    # The text ends with a quote, then the voice it is spoken in (None in Orca 48 when it has no
    # speech server).
    SPEECH_END = re.compile(r"'(?: voice=\w+)?\s*(?:\{.*\}|None)\s*$", re.DOTALL)
    # Orca 43 writes an object as [role | name], Orca 48 as [role: 'name'], or [role] unnamed.
    FOCUS = re.compile(
        r" - (?:ORCA: Changing locusOfFocus|FOCUS MANAGER: Changing locus of focus) from .* to "
        r"\[(?P<role>[^|:\]]*)(?: \| (?P<name>.*)|: '(?P<quoted>.*)')?\]\. Notify")
    # The last line Orca writes before it listens to events: Orca 43, then Orca 48.
    READY = re.compile(r"ORCA: (?:Startup complete|Starting Atspi main event loop)")

    def __init__(self, scratch):
        self.path = os.path.join(scratch, "orca-debug.txt")
        self.output = open(os.path.join(scratch, "orca-output.txt"), "w")
        self.offset = 0
        self.pending = ""
        self.partial = None
        self.said = []
        self.focused = []  # (role, name) of everything Orca's focus moved to
        self.ready = False
        self.process = subprocess.Popen([sys.executable, os.path.join(HERE, "run_orca.py"), self.path],
                                        stdout=self.output, stderr=subprocess.STDOUT)

    def wait_until_ready(self, seconds=60):
        deadline = time.monotonic() + seconds
        while not self.ready and time.monotonic() < deadline and self.process.poll() is None:
            self.read()
            time.sleep(0.1)
        return self.ready

    def read(self):
        """Takes in what the file has gained; returns whether it grew."""
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                log.seek(self.offset)
                chunk = log.read()
                self.offset = log.tell()
        except FileNotFoundError:
            return False
        if not chunk:
            return False
        lines = (self.pending + chunk).split("\n")
        self.pending = lines.pop()
        for line in lines:
            self.take(line)
        return True

    def take(self, line):
        if self.READY.search(line):
            self.ready = True
        focus = self.FOCUS.search(line)
        if focus:
            self.focused.append((focus["role"], focus["name"] or focus["quoted"] or ""))
        if self.partial is not None:
            # A sentence with line breaks goes on in lines indented past the time stamp.
            if self.STAMP.match(line):
                self.partial = None
            else:
                self.partial += "\n" + line[18:]
                self.end_sentence()
                return
        if self.SPEECH.match(line):
            self.partial = self.SPEECH.sub("", line)
            self.end_sentence()

    def end_sentence(self):
        match = self.SPEECH_END.search(self.partial)
        if match:
            self.said.append(self.partial[: match.start()].strip())
            self.partial = None

    def mark(self):
        self.read()
        return len(self.said), len(self.focused)

    def heard_since(self, mark, patterns, program, seconds=STEP_SECONDS):
        """Waits until what was said since `mark` matches every pattern; returns whether it did."""
        deadline = time.monotonic() + seconds
        while True:
            self.read()
            heard = " | ".join(self.said[mark[0]:])
            if all(re.search(p, heard, re.IGNORECASE) for p in patterns):
                return True
            if time.monotonic() > deadline or self.process.poll() is not None or program.poll() is not None:
                return False
            time.sleep(0.05)

    def settle(self, quiet=0.6, seconds=STEP_SECONDS):
        """Waits until Orca has written nothing for `quiet` seconds: it has dealt with the last event."""
        deadline = time.monotonic() + seconds
        last = time.monotonic()
        while time.monotonic() < deadline:
            if self.read():
                last = time.monotonic()
            elif time.monotonic() - last >= quiet:
                return
            time.sleep(0.05)


class Walk:
    """The program, the keyboard and Orca's ears."""

    def __init__(self, program, scratch, caption, orca):
        self.program_path = program
        self.scratch = scratch
        self.caption = caption
        self.orca = orca
        self.program = None
        self.last_mark = (0, 0)
        self.deadline = time.monotonic() + WALK_SECONDS
        self.misses = 0

    def start_program(self):
        self.program = subprocess.Popen([self.program_path])

    def step(self, what, action, *patterns, seconds=STEP_SECONDS):
        """Does `action`, waits for speech matching every pattern and prints what was said."""
        self.orca.settle()
        self.last_mark = self.orca.mark()
        action()
        heard = self.orca.heard_since(self.last_mark, patterns, self.program, seconds)
        self.orca.settle()
        said = self.orca.said[self.last_mark[0]:]
        print(f"{what}: {' | '.join(said) or '(nothing)'}", flush=True)
        if check(heard, f"{what}: Orca did not say {' and '.join(patterns)}"):
            self.misses = 0
        else:
            self.misses += 1
        if self.orca.process.poll() is not None:
            raise Abort(f"{what}: Orca has ended")
        if self.program is None or self.program.poll() is not None:
            raise Abort(f"{what}: the program has ended")
        if self.misses >= MISSES_IN_A_ROW:
            raise Abort(f"Orca missed {self.misses} steps in a row")
        if time.monotonic() > self.deadline:
            raise Abort(f"the walk took longer than {WALK_SECONDS} s")
        return said

    def first_focus(self, where, role, name):
        """Checks the first control that took the focus in the last step."""
        controls = [f for f in self.orca.focused[self.last_mark[1]:] if f[0] not in WINDOW_ROLES]
        first = controls[0] if controls else "nothing"
        check(controls[:1] == [(role, name)], f"{where}: the first focus is {first}, not the {role} {name!r}")

    def stop_program(self):
        if self.program is not None:
            end_process(self.program)


def end_process(process):
    """Ends a process of ours that still runs: politely first, then for good."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def keys(*names):
    """Presses keys one after another, as a person does: a modifier goes down a moment before the
    key it goes with. With a screen reader listening, Qt holds each key back until the reader has
    seen it, but acts on a shortcut's key at once: pressed together with Alt, the key's button acts
    first, and the Alt that arrives after it, alone, puts the menu bar in keyboard mode."""
    def press():
        for index, name in enumerate(names):
            if index:
                time.sleep(0.06)
            *modifiers, key = name.split("+")
            command = []
            for modifier in modifiers:
                command += ["keydown", modifier]
            if modifiers:
                command += ["sleep", "0.2"]
            command += ["key", key]
            for modifier in reversed(modifiers):
                command += ["keyup", modifier]
            subprocess.run(["xdotool", *command], check=True)
    return press


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


def scrambled(text):
    """A setting as the program stores it: every character shifted up by 3."""
    return "".join(chr(ord(character) + 3) for character in text)


def walk(w):
    # The update reminder, whose last date (in the C locale's short format) lies far back, asks
    # first; Esc answers No.
    settings_dir = os.path.join(os.environ["XDG_CONFIG_HOME"], "Nerro")
    os.makedirs(settings_dir, exist_ok=True)
    with open(os.path.join(settings_dir, "NerroFreeChineseZodiacSoftware.ini"), "w") as ini:
        ini.write(f"[Settings]\n{scrambled('Duration')}={scrambled('1 Jan 2000')}\n")
    w.step("program starts", w.start_program, "There maybe an update", r"check for an update\?", seconds=60)

    # Main window: the name box, and the title unless Orca 48 took the window as active during Esc.
    w.step("No", keys("Escape"), r"\bName\b")
    w.first_focus("main window", "text", "Name")

    # The input checks speak their messages.
    w.step("Proceed without a name", keys("alt+p"), "Please Enter Your Name")
    w.step("OK", keys("Return"), r"\bName\b")
    type_text("Ann")
    w.step("Proceed without a sex", keys("alt+p"), "Please Specify Your Sex")
    w.step("OK", keys("Return"), "Proceed")
    w.step("back to the sex", keys("shift+Tab"), r"\bFemale\b", r"radio button")
    w.step("choose Female", keys("space"), r"\bselected\b")

    # The three date lists: what each one is, and its value.
    w.step("to the year list", keys("shift+Tab"), r"\byear\b", r"\b1936\b")
    w.step("to the month list", keys("shift+Tab"), r"\bmonth\b", r"\bJanuary\b")
    w.step("to the day list", keys("shift+Tab"), r"\bday\b", r"\b1\b")

    def closed(key, entry, action=None):
        """Changes the focused, closed list; its new entry is said, and said once."""
        said = w.step(f"{key} in the closed list", action or keys(key), rf"\b{entry}\b")
        # A sentence counts if it starts with the entry: Orca 48 may say a passed entry with the new text.
        check(sum(1 for sentence in said if re.match(rf"{entry}\b", sentence)) <= 1,
              f"{key} in the closed list: {entry} is said more than once: {said!r}")

    for key, entry in [("Down", "2"), ("Down", "3"), ("End", "31"), ("Home", "1"), ("Next", "2"),
                       ("Prior", "1")]:
        closed(key, entry)
    # The name box is said whole, as typed.
    said = w.step("back to the name box", keys("shift+Tab"), r"\bName\b", r"\bAnn\b")
    check(not any(re.search(r"\bAn\b", sentence) for sentence in said), f"the name is cut short: {said!r}")
    w.step("to the day list", keys("Tab"), r"\bday\b", r"\b1\b")
    w.step("to the month list", keys("Tab"), r"\bmonth\b", r"\bJanuary\b")
    closed("Down", "February")
    closed("Up", "January")
    w.step("to the year list", keys("Tab"), r"\byear\b", r"\b1936\b")
    closed("Down", "1937")
    closed("typed 1985", "1985", lambda: type_text("1985"))
    closed("Home", "1900")
    closed("typed 1936", "1936", lambda: type_text("1936"))
    w.step("to the month list", keys("shift+Tab"), r"\bmonth\b", r"\bJanuary\b")
    w.step("to the day list", keys("shift+Tab"), r"\bday\b", r"\b1\b")

    current = {"day": "1", "month": "January"}

    def choose(what, count, moves, entry):
        """Opens the focused list, moves to the entry and chooses it."""
        # Orca 43 takes the focus to the list and says how many entries it has, Orca 48 to the
        # current entry and says that.
        w.step(f"open the {what} list", keys("alt+Down"), rf"\b({count} items|{current[what]})\b")
        check(any(role in ("list", "list item") for role, _ in w.orca.focused[w.last_mark[1]:]),
              f"open the {what} list: the focus did not go into the list")
        w.step(entry, keys(*moves), rf"\b{entry}\b")
        w.step("choose it", keys("Return"), rf"\b{entry}\b", rf"\b{what}\b")
        current[what] = entry

    choose("day", 31, ["End"], "31")
    w.step("to the month list", keys("Tab"), r"\bmonth\b", r"\bJanuary\b")
    choose("month", 12, ["Down"], "February")
    w.step("Proceed with 31 February", keys("alt+p"), re.escape("Please Enter Correct Date Or Month!"))
    w.step("OK", keys("Return"), r"\bmonth\b", r"\bFebruary\b")
    choose("month", 12, ["Down", "Down"], "April")
    w.step("Proceed with 31 April", keys("alt+p"), re.escape("Please Enter Correct Date Or Month !"))
    w.step("OK", keys("Return"), r"\bmonth\b", r"\bApril\b")
    choose("month", 12, ["Home"], "January")
    w.step("to the day list", keys("shift+Tab"), r"\bday\b", r"\b31\b")
    choose("day", 31, ["Home"], "1")

    # Opening a file that is no record says so.
    not_a_record = os.path.join(w.scratch, "notes.txt")
    with open(not_a_record, "w") as notes:
        notes.write("Ann\n")
    w.step("Open Previously Saved Record", keys("alt+o"), "Select the source file")
    type_text(not_a_record)
    w.step("open notes.txt", keys("Return"), re.escape("Please Check The File."))
    # Back from a modal box, Orca may or may not say the window's title again; the focus is back
    # on the day list in any case.
    w.step("OK", keys("Return"), r"\bday\b")

    # Details window: the reading comes first, before any link or offer.
    reading = (r"\bMs\. Ann\b", r"\bPig\b", r"\bWood\b")
    said = w.step("Proceed", keys("alt+p"), *reading)
    check(sum(bool(re.search(reading[0], s)) for s in said) == 1, f"reading not once: {said!r}")
    heard = ""
    for sentence in said:
        if all(re.search(p, heard) for p in reading):
            break
        check(not LINK_WORDS.search(sentence),
              f"details window: a link is spoken before the reading: {sentence!r}")
        heard += " " + sentence
    w.first_focus("details window", "text", "Element Description")

    # Every control by Tab: the one-line boxes whole, the calendar with the date of birth.
    pending = dict(READING_LINES)
    calendar_heard = False
    for _ in range(30):
        said = w.step("Tab", keys("Tab"))
        for name, value in list(pending.items()):
            for index, sentence in enumerate(said):
                if re.search(rf"\b{re.escape(name)}\b", sentence):
                    # The box's text follows its name and role.
                    rest = " | ".join(said[index:])
                    check(re.search(rf"(^|\W){re.escape(value)}(\W|$)", rest),
                          f"the {name} box is not spoken whole as {value!r}: {rest!r}")
                    del pending[name]
                    break
        together = " | ".join(said)
        if all(re.search(p, together) for p in (r"\bDate of Birth\b", r"\b1\b", r"\bJanuary\b", r"\b1936\b")):
            calendar_heard = True
            check(sum("1936" in sentence for sentence in said) == 1, f"the calendar: not once: {said!r}")
        if not pending and calendar_heard:
            break
    check(not pending, f"these boxes were never spoken: {', '.join(pending)}")
    check(calendar_heard, "the calendar never said the date of birth, 1 January 1936")

    # Report window: it opens on the report. Closed, it gives the focus back.
    last_focus = w.orca.focused[-1][1]
    said = w.step("Print", keys("alt+p"), r"\bReport\b", r"Name: Ann")
    # The links and offers are links to a screen reader, not loose labels read out on arrival, and
    # the offer lying under the other one is not there at all.
    for sentence in said:
        check(not LINK_WORDS.search(sentence), f"report window: a link is spoken on arrival: {sentence!r}")
    w.first_focus("report window", "text", "Report")
    w.step("close the report", keys("Escape"), re.escape(last_focus))

    # Exit ends the program.
    w.orca.settle()
    keys("alt+x")()
    try:
        status = w.program.wait(20)
        # A sanitizer's report also ends the program with a failure status.
        check(status == 0, f"the program ended with status {status} after Exit")
    except subprocess.TimeoutExpired:
        check(False, "the program still runs after Exit")


def main():
    program, scratch, caption = sys.argv[1:4]
    orca = Orca(scratch)
    w = Walk(program, scratch, caption, orca)
    try:
        if check(orca.wait_until_ready(), "Orca did not start (see orca-output.txt)"):
            walk(w)
    except Abort as reason:
        check(False, f"stopped: {reason}")
    finally:
        w.stop_program()
        end_process(orca.process)
    print("orca walkthrough:", "passed" if not failures else f"{len(failures)} failure(s)", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
