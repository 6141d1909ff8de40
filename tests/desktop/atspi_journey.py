#!/usr/bin/python3
"""A pupil who works through a screen reader makes a true/false quiz and takes it.

The program runs on a real X server with the desktop accessibility bus. Everything is done
through what assistive technology sees: controls are found in the accessibility tree by role
and name, pressed and ticked with their accessibility actions, and text is typed through the
editable-text interface. No mouse and no keys are used.

Afterwards the quiz file on disk must hold the two statements with their answers, and the
score read from the tree must count the one right answer.

The script brings up its own X server (Xvfb) and session bus, which starts the accessibility
bus on demand, so it runs alongside other tests and leaves nothing behind.

Usage (CTest runs it so):  /usr/bin/python3 atspi_journey.py PROGRAM
"""

import os
import select
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

# Bound when the display and the bus are up: the accessibility library finds its bus then.
Atspi = None
pyatspi = None

TIMEOUT = 60.0  # seconds any one step may take on a busy machine
WHOLE_JOURNEY = 240  # seconds for everything, so that a hang still cleans up
POLL = 0.1

STATEMENTS = [("The sun is a star.", True), ("Fish can walk.", False)]
# What the feedback says to a right and to a wrong answer (%s: the right one).
VERDICTS = ["Correct. You got it right!", "No. The correct answer is %s."]
QUIZ_FILE = "atspi.qiz"
TRUE_FALSE = 1
ANSWER_TRUE, ANSWER_FALSE = 0, 1  # a statement's answer as the quiz file holds it


class JourneyError(Exception):
    pass


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe until it returns something true; fails with what after the timeout."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            found = probe()
            if found:
                return found
        except JourneyError:
            raise
        except Exception as error:  # an object may vanish while it is read
            last_error = error
        time.sleep(POLL)
    raise JourneyError("timed out waiting for %s%s" % (what, f" ({last_error})" if last_error else ""))


def states(obj):
    return obj.getState()


def showing(obj):
    return states(obj).contains(pyatspi.STATE_SHOWING)


def walk(obj):
    """Every shown object below obj, in tree (reading) order."""
    for index in range(obj.childCount):
        child = obj.getChildAtIndex(index)
        if child is None or not showing(child):
            continue
        yield child
        yield from walk(child)


def text_of(obj):
    try:
        text = obj.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""


def find(root, role, name=None, starts=None):
    for obj in walk(root):
        if obj.getRole() != role:
            continue
        if name is not None and obj.name != name:
            continue
        if starts is not None and not obj.name.startswith(starts):
            continue
        return obj
    return None


def windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)]


def window_titled(app, title):
    for window in windows(app):
        if window is not None and window.name == title and showing(window):
            return window
    return None


def do_action(obj, wanted):
    action = obj.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for index, name in enumerate(names):
        if name.lower() in wanted:
            if not action.doAction(index):
                raise JourneyError("%s refused %s" % (obj.name, name))
            return
    raise JourneyError("%s \"%s\" offers no %s action, only %s" % (obj.getRoleName(), obj.name, wanted, names))


def press(obj):
    do_action(obj, ("press", "click", "activate"))


def toggle(obj):
    do_action(obj, ("toggle",))


def enabled(obj):
    return states(obj).contains(pyatspi.STATE_ENABLED)


def checked(obj):
    return states(obj).contains(pyatspi.STATE_CHECKED)


class Journey:
    def __init__(self, program, folder):
        self.program = program
        self.folder = folder
        self.process = None
        self.app = None
        self.the_sheet = None

    # The program and its tree

    def start(self):
        env = dict(os.environ)
        env.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "LANGUAGE": "en",
            "LC_ALL": "C.UTF-8",
            "HOME": self.folder,
            "XDG_RUNTIME_DIR": self.folder,
            "XDG_CONFIG_HOME": os.path.join(self.folder, "config"),
        })
        if "ASAN_OPTIONS" in env:
            # Under the sanitizer build, libxkbcommon-x11 (the X keyboard map Qt reads at
            # start-up) passes strndup a buffer without a terminator, which strndup allows but
            # the sanitizer's check of it does not. It is not our code; the rest stays checked.
            env["ASAN_OPTIONS"] += ":intercept_strndup=0"
        self.process = subprocess.Popen([self.program], cwd=self.folder, env=env)
        desktop = pyatspi.Registry.getDesktop(0)

        def tutorama():
            if self.process.poll() is not None:
                raise JourneyError("the program ended at start-up with %d" % self.process.returncode)
            for index in range(desktop.childCount):
                app = desktop.getChildAtIndex(index)
                if app is not None and app.name == "Tutorama":
                    return app
            return None

        self.app = wait_for("the program on the accessibility bus", tutorama)
        # Read every property afresh: nothing here runs the event loop that keeps a cache true.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def sheet(self):
        """The program's one main window: the one with the wizard's Back button."""
        def main_window():
            for window in windows(self.app):
                if window is not None and showing(window) and window.name.startswith("Tutorama") \
                        and find(window, pyatspi.ROLE_PUSH_BUTTON, name="Back"):
                    return window
            return None
        if self.the_sheet is None:
            self.the_sheet = wait_for("the sheet", main_window)
        return self.the_sheet

    def control(self, role, name=None, starts=None, window=None):
        where = window or self.sheet()
        return wait_for("the %s \"%s\"" % (role, name or starts),
                        lambda: find(where, role, name, starts))

    def choice(self, name):
        return self.control(pyatspi.ROLE_RADIO_BUTTON, name=name)

    def button(self, name, window=None):
        return self.control(pyatspi.ROLE_PUSH_BUTTON, name=name, window=window)

    def press_when_enabled(self, name, window=None):
        button = self.button(name, window)
        wait_for("%s enabled" % name, lambda: enabled(button))
        press(button)

    def dialog(self, title):
        return wait_for("the window \"%s\"" % title, lambda: window_titled(self.app, title))

    def message_box(self, text):
        """The shown window that asks text."""
        def asking():
            for window in windows(self.app):
                if window is None or not showing(window):
                    continue
                for obj in walk(window):
                    if obj.getRole() == pyatspi.ROLE_LABEL and text in obj.name:
                        return window
            return None
        return wait_for("the question \"%s\"" % text, asking)

    # The steps of the pupil

    def make_quiz(self):
        press(self.button("Make Quiz"))
        press(self.button("New Quiz"))
        press(self.button("Save Quiz As"))
        self.save_as(os.path.join(self.folder, QUIZ_FILE))
        # True/false is chosen at first; a screen reader hears which.
        choice = self.control(pyatspi.ROLE_RADIO_BUTTON, name="True/False")
        wait_for("True/False chosen", lambda: checked(choice))
        self.press_when_enabled("Next")
        press(self.control(pyatspi.ROLE_PUSH_BUTTON, starts="Add a Statement"))
        for number, (statement, truth) in enumerate(STATEMENTS):
            box = self.control(pyatspi.ROLE_TEXT, name="Statement")
            wait_for("an empty statement box", lambda: text_of(box) == "")
            box.queryEditableText().setTextContents(statement)
            answer = self.choice("True" if truth else "False")
            toggle(answer)
            wait_for("the answer ticked", lambda: checked(answer))
            last = number == len(STATEMENTS) - 1
            self.press_when_enabled("Finish" if last else "New ?")
        questions = self.control(pyatspi.ROLE_LIST, name="Questions of the quiz")
        wait_for("both statements listed", lambda: questions.childCount >= len(STATEMENTS))
        self.press_when_enabled("Finish")
        box = self.message_box("Do you want to take this quiz now?")
        press(self.button("Yes", box))

    def save_as(self, path):
        dialog = wait_for("the save dialog", lambda: next(
            (w for w in windows(self.app) if w is not None and showing(w)
             and find(w, pyatspi.ROLE_PUSH_BUTTON, name="Save")), None))
        name_box = wait_for("the file name box", lambda: next(
            (o for o in walk(dialog) if o.getRole() == pyatspi.ROLE_TEXT
             and states(o).contains(pyatspi.STATE_EDITABLE) and "name" in o.name.lower()), None))
        name_box.queryEditableText().setTextContents(path)
        wait_for("the name typed", lambda: text_of(name_box) == path)
        self.press_when_enabled("Save", dialog)
        wait_for("the quiz file", lambda: os.path.exists(path))

    def take_quiz(self):
        """Answers the first statement asked right and the second wrong; returns what the
        feedback windows said."""
        self.press_when_enabled("Next")  # the introduction
        verdicts = []
        for expected in VERDICTS:
            statement = wait_for("a statement", self.shown_statement)
            truth = dict(STATEMENTS)[statement]
            right = expected == VERDICTS[0]
            answer = self.choice("True" if truth == right else "False")
            toggle(answer)
            wait_for("the answer chosen", lambda: checked(answer))
            self.read_aloud(answer)
            self.press_when_enabled("Next")
            feedback = self.dialog("Tutorama Feedback")
            verdict = self.verdict_heard_first(feedback)
            if verdict != expected.replace("%s", "True" if truth else "False"):
                raise JourneyError("the feedback on \"%s\" says \"%s\"" % (statement, verdict))
            verdicts.append(verdict)
            self.press_when_enabled("Next", feedback)
            wait_for("the feedback closed", lambda: not window_titled(self.app, "Tutorama Feedback"))
        return verdicts

    def read_aloud(self, answer):
        """The statement is read aloud by a push button; pressed again while it speaks it starts
        over, and the answer chosen stays chosen."""
        speaker = self.button("Read aloud")
        if not speaker.description:
            raise JourneyError("Read aloud does not say what it does")
        press(speaker)
        press(speaker)
        wait_for("the answer still chosen", lambda: checked(answer))

    def shown_statement(self):
        for obj in walk(self.sheet()):
            if obj.getRole() == pyatspi.ROLE_TEXT and text_of(obj) in dict(STATEMENTS):
                return text_of(obj)
        return None

    @staticmethod
    def verdict_heard_first(feedback):
        """A screen reader meets a new window by its title and description, then by the
        focused control: the description must be the verdict the window shows."""
        shown = wait_for("the verdict shown", lambda: next(
            (text_of(o) for o in walk(feedback) if o.getRole() == pyatspi.ROLE_TEXT and text_of(o)),
            None))
        wait_for("the window described by its verdict \"%s\" (it says \"%s\")"
                 % (shown, feedback.description), lambda: feedback.description == shown)
        focused = wait_for("the focus in the feedback", lambda: next(
            (o for o in walk(feedback) if states(o).contains(pyatspi.STATE_FOCUSED)), None))
        if focused.getRole() != pyatspi.ROLE_PUSH_BUTTON:
            raise JourneyError("the feedback opens on %s \"%s\"" % (focused.getRoleName(), focused.name))
        return shown

    def score(self):
        """The score sentence, which the score page opens with the focus on."""
        def focused():
            return next((o for o in walk(self.sheet()) if states(o).contains(pyatspi.STATE_FOCUSED)),
                        None)
        try:
            return wait_for("the score in focus",
                            lambda: focused() and focused().name.startswith("You answered")
                            and focused().name)
        except JourneyError:
            now = focused()
            raise JourneyError("the score page opens on %s \"%s\"" % (
                now.getRoleName() if now else "nothing", now.name if now else ""))

    def close(self):
        self.press_when_enabled("Close")
        try:
            return self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise JourneyError("the program did not end after Close")

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def read_string(data, at):
    length = data[at]
    at += 1
    if length == 0xFF:
        length = struct.unpack_from("<H", data, at)[0]
        at += 2
    return data[at:at + length].decode("cp1252"), at + length


def read_quiz(path):
    """The kind and the (statement, answer) pairs of a quiz file."""
    with open(path, "rb") as stream:
        data = stream.read()
    magic, at = read_string(data, 0)
    if magic != "TU1.0":
        raise JourneyError("the quiz file starts with %r" % magic)
    _, at = read_string(data, at)  # path
    _, at = read_string(data, at)  # name
    kind, count = struct.unpack_from("<ii", data, at)
    at += 8
    listed = struct.unpack_from("<H", data, at)[0]
    at += 2
    questions = []
    for index in range(listed):
        tag = struct.unpack_from("<H", data, at)[0]
        at += 2
        if tag == 0xFFFF:
            at += 2  # schema
            name_length = struct.unpack_from("<H", data, at)[0]
            at += 2 + name_length
        text, at = read_string(data, at)
        answer = struct.unpack_from("<i", data, at)[0]
        at += 4
        _, at = read_string(data, at)
        questions.append((text, answer))
    if count != listed:
        raise JourneyError("the quiz file counts %d questions but lists %d" % (count, listed))
    return kind, questions


def read_line(stream, what):
    """The first line a helper prints, within the timeout."""
    ready, _, _ = select.select([stream], [], [], TIMEOUT)
    if not ready:
        raise JourneyError("%s did not start" % what)
    line = stream.readline().decode().strip()
    if not line:
        raise JourneyError("%s did not start" % what)
    return line


def x_server_answers(display):
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as probe:
        try:
            probe.connect("/tmp/.X11-unix/X%s" % display)
            return True
        except OSError:
            return False


def start_display(helpers):
    """A private X server; -displayfd lets it pick a free display number itself. Servers
    started at the same moment by other tests may race for a number: then try again."""
    for _ in range(5):
        # -noreset: otherwise the server resets when the probe below disconnects, and the
        # program, connecting during that reset, is turned away.
        server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                                   "-nolisten", "tcp", "-noreset"], stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL)
        helpers.append(server)
        try:
            display = read_line(server.stdout, "the X server")
        except JourneyError:
            display = None
        if display and server.poll() is None and x_server_answers(display):
            os.environ["DISPLAY"] = ":" + display
            return
        server.kill()
        server.wait()
        helpers.remove(server)
    raise JourneyError("no X server could be started")


def start_session_bus(helpers):
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    helpers.append(bus)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = read_line(bus.stdout, "the session bus")
    for stale in ("AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
        os.environ.pop(stale, None)


def load_accessibility():
    global Atspi, pyatspi
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi as atspi_module
    import pyatspi as pyatspi_module
    Atspi, pyatspi = atspi_module, pyatspi_module


def give_up(signum, _frame):
    raise JourneyError("stopped by signal %d before the journey ended" % signum)


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    signal.signal(signal.SIGALRM, give_up)
    signal.signal(signal.SIGTERM, give_up)
    signal.alarm(WHOLE_JOURNEY)
    helpers = []
    try:
        start_display(helpers)
        start_session_bus(helpers)
        load_accessibility()
        return run_journey(os.path.abspath(sys.argv[1]))
    finally:
        for helper in reversed(helpers):
            helper.terminate()
            try:
                helper.wait(timeout=10)
            except subprocess.TimeoutExpired:
                helper.kill()
                helper.wait()


def run_journey(program):
    with tempfile.TemporaryDirectory() as folder:
        journey = Journey(program, folder)
        try:
            journey.start()
            journey.make_quiz()
            kind, questions = read_quiz(os.path.join(folder, QUIZ_FILE))
            expected = [(statement, ANSWER_TRUE if truth else ANSWER_FALSE)
                        for statement, truth in STATEMENTS]
            if kind != TRUE_FALSE or questions != expected:
                raise JourneyError("the quiz file holds kind %d with %r, not %r" % (kind, questions, expected))
            verdicts = journey.take_quiz()
            score = journey.score()
            if score != "You answered 1 out of 2 correctly. That equals 50%.":
                raise JourneyError("the score reads \"%s\"" % score)
            code = journey.close()
            if code != 0:
                raise JourneyError("the program ended with %d" % code)
        finally:
            journey.stop()
    print("made a true/false quiz of %d statements and took it through the accessibility bus"
          % len(STATEMENTS))
    for verdict in verdicts:
        print("heard: %s" % verdict.replace("\n", " "))
    print("heard: %s" % score)


if __name__ == "__main__":
    try:
        main()
    except JourneyError as error:
        print("FAIL: %s" % error, file=sys.stderr)
        sys.exit(1)
