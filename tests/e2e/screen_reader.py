# Reads the running program as a screen reader does, over the AT-SPI bus,
# while working it with real keystrokes (xdotool): the title screen, the main
# menu, a topic menu, a whole quiz, the results, a labelling activity and the
# wizard. Each screen is found as the active window holding a given control,
# by polling the bus; nothing waits a fixed time.
# Usage: screen_reader.py APP_DIR READY_FILE: the program's folder, for its
# question file, and a file made once the reader listens, when the program may start.
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP_DIR = sys.argv[1]
focus_names = []  # the name of every object that took the focus, in order
failures = []


def on_focus(event):
    if event.detail1:
        focus_names.append(event.source.name)


def wait_until(what, condition, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            value = condition()
        except Exception:  # objects come and go while screens change
            value = None
        if value:
            return value
        time.sleep(0.05)
    sys.exit(f"FAIL: {what}")


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def windows(role):
    # The program's X windows on show for a screen, found by their role (the screen's name).
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Velmora$"], capture_output=True, text=True).stdout.split()
    role_of = lambda i: subprocess.run(["xprop", "-id", i, "WM_WINDOW_ROLE"], capture_output=True, text=True).stdout
    return [i for i in ids if role_of(i).strip().endswith(f'"{role}"')]


def active_window():
    # None for a moment between screens, while no window has the keyboard.
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Velmora":
            return next((w for w in app if w is not None and w.getState().contains(pyatspi.STATE_ACTIVE)), None)
    return None


def controls(node):
    # (role, name, object) of every control on show under node, depth first,
    # read afresh (names change while a screen is shown).
    found = []
    for child in node:
        if child is not None:
            child.clearCache()
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            found.append((child.getRoleName(), child.name, child))
            found += controls(child)
    return found


def screen_with(role, name):
    # Waits for the active window to hold the control and returns the window.
    return wait_until(f"no screen showed the {role} {name!r}",
                      lambda: (lambda w: w if any(c[:2] == (role, name) for c in controls(w)) else None)(active_window()))


def focused():
    window = active_window()
    return window and next(((r, n) for r, n, o in controls(window) if o.getState().contains(pyatspi.STATE_FOCUSED)), None)


def expect(window, role, name, **states):
    # Checks a control is on show with the states given (enabled, checked, focused).
    match = [o for r, n, o in controls(window) if (r, n) == (role, name)]
    if not match:
        failures.append(f"no {role} named {name!r}")
        return
    have = match[0].getState()
    for state, wanted in states.items():
        if have.contains(getattr(pyatspi, "STATE_" + state.upper())) != wanted:
            failures.append(f"{role} {name!r}: {state} should be {wanted}")


def tab_to(name):
    for _ in range(60):
        if (focused() or ("", ""))[1] == name:
            return
        keys("Tab")
        wait_until("Tab did not move the focus", lambda: focused() is not None)
    sys.exit(f"FAIL: Tab never reached {name!r}")


def questions():
    # (question, four answers, right answer 1-4) of each of the ten questions.
    with open(f"{APP_DIR}/multiple/Greek Fighters.txt", encoding="cp1252") as f:
        lines = [line.rstrip("\r\n").replace("&", ",") for line in f]
    return [(lines[2 + 7 * k], lines[3 + 7 * k:7 + 7 * k], int(lines[7 + 7 * k])) for k in range(10)]


# A program asks the registry once, as it starts, which events have listeners, and otherwise
# relies on a change signal it may subscribe to too late: a listener registered while it
# starts can go unheard for good. Registering returns once the registry has it, and only
# then may the program start.
pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
open(sys.argv[2], "w").close()

title = screen_with("push button", "OK")
expect(title, "push button", "OK", focused=True)
keys("Tab")
wait_until("no focus event came over the bus", lambda: focus_names)
tab_to("OK")
keys("Return")
# No window manager runs here: once the title screen has closed, the main menu is given the
# keyboard as a desktop's would (else X may leave it with no window, as the title closes).
wait_until("the title screen stayed", lambda: not windows("Titlefrm"))
menu_window = wait_until("the main menu did not show", lambda: windows("intro0"))[0]
subprocess.run(["xdotool", "windowfocus", "--sync", menu_window], check=True)

menu = screen_with("push button", "Greek Fighters")
expect(menu, "push button", "Teachers' Guide", enabled=True, focused=True)
expect(menu, "push button", "Where and When", enabled=False)
expect(menu, "radio button", "Sound On", checked=True)
expect(menu, "image", "A lesson in an Athenian school")
tab_to("Greek Fighters")
keys("Return")

topic = screen_with("push button", "Key Facts")
for button in ("Teacher's Notes", "Multiple Choice", "Labelling Activity", "Ordering Activity", "Exit"):
    expect(topic, "push button", button, enabled=True)
expect(topic, "label", "Greek Fighters")
expect(topic, "image", "A Spartan army marching at dawn")
tab_to("Multiple Choice")
keys("Return")

for number, (question, answers, right) in enumerate(questions(), 1):
    quiz = screen_with("label", f"Question {number}: {question}")
    expect(quiz, "label", f"Question {number}: {question}", focused=True)
    for answer in answers:
        expect(quiz, "radio button", answer, checked=False)
    expect(quiz, "push button", "Read the question aloud")
    keys(str(right))
    wait_until(f"key {right} did not choose {answers[right - 1]!r}", lambda: focused() == ("radio button", answers[right - 1]))
    tab_to("Check Score" if number == 10 else "Next Question")
    keys("Return")

message = "Excellent work. You have scored 10 out of 10."
results = screen_with("label", message)
expect(results, "push button", "Print Certificate")
wait_until("the name box did not take the focus", lambda: focused() == ("text", "Enter your name in the box above before printing your certificate"))
if message not in focus_names:
    failures.append(f"the score message was never announced; focus went to {focus_names[-4:]}")
keys("Escape")

screen_with("push button", "Labelling Activity")
tab_to("Labelling Activity")
keys("Return")
activity = screen_with("push button", "Greaves, in the tray")
for name in ("Box 1", "Tray place 1", "Label this picture of a Greek soldier"):
    expect(activity, "label", name)
expect(activity, "image", "A Greek soldier, a hoplite, in his armour")
tab_to("Greaves, in the tray")
keys("space", "Tab", "Return")
wait_until(f"the carried label was not dropped into a box: {focused()}", lambda: focused()[1].startswith("Greaves, in Box"))
keys("Escape", "Escape")

menu = screen_with("push button", "Multiple Choice Wizard")
tab_to("Multiple Choice Wizard")
keys("Return")
wizard = screen_with("text", "Worksheet Title")
expect(wizard, "text", "Worksheet Title", focused=True)
expect(wizard, "text", "Question 3")
expect(wizard, "text", "Answer B of question 3")
expect(wizard, "check box", "Right answer B of question 3", checked=False)
expect(wizard, "push button", "Save Worksheet", enabled=True)
keys("Escape")
tab_to("Acknowledgments")
keys("Return")
wait_until("the acknowledgments page was not read out as text",
           lambda: any(r == "label" and "Acknowledgments" in n and "Fonts" in n for r, n, o in controls(active_window())))
keys("Escape")
screen_with("push button", "Greek Writing")

if failures:
    sys.exit("FAIL:\n  " + "\n  ".join(failures))
print("PASS: main menu, topic menu, quiz, results, activity, wizard and a page read right on the bus, worked by keys alone")
