"""Drives the running ondavi through the accessibility bus, as a screen reader would: lists the
tree, types the worked example, presses "+", reads the answers, dismisses a message, and reads
the worked solution that "Explain" opens."""
import os
import sys
import time

import pyatspi
from gi.repository import GLib

CAPTION = "Free Ondavi - Pellworth"
# Every box and button by its accessible name: (name, role, read-only).
CONTROLS = [
    ("first operand, whole number", "text", False),
    ("first operand, numerator", "text", False),
    ("first operand, denominator", "text", False),
    ("second operand, whole number", "text", False),
    ("second operand, numerator", "text", False),
    ("second operand, denominator", "text", False),
    ("answer, numerator", "text", True),
    ("answer, denominator", "text", True),
    ("mixed number, whole part", "text", True),
    ("mixed number, numerator", "text", True),
    ("mixed number, denominator", "text", True),
    ("answer, decimal", "text", True),
    ("add", "push button", False),
    ("subtract", "push button", False),
    ("multiply", "push button", False),
    ("divide", "push button", False),
    ("clear all boxes", "push button", False),
    ("Show Work of the last calculation", "push button", False),
    ("explain the solution step by step", "push button", False),
]
LABELS = ["=", "Mixed Number", "Decimal", "Answer", "Fraction1", "Fraction2"]
failures = []


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what)
    if not condition:
        failures.append(what)


def wait_for(find, seconds=30):
    """What find() gives once it gives something; a node that vanished while find() read it
    (the tree is changing) counts as nothing yet."""
    for _ in range(int(seconds * 10)):
        try:
            found = find()
        except GLib.GError:
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        if app is not None and app.name == "Ondavi":
            return app
    return None


def descendants(node, depth=0):
    """The node and every node under it; a child that left the tree while it was being walked
    (a message box closing) is passed over."""
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from descendants(child, depth + 1)


def read_only(node):
    return node.getState().contains(pyatspi.STATE_READ_ONLY)


def running():
    """Whether the program that accessibility_test.sh started (ONDAVI_PID) still runs."""
    try:
        os.kill(int(os.environ["ONDAVI_PID"]), 0)
        return True
    except ProcessLookupError:
        return False


# The program on the bus and its window; a failure at once if the program has ended, or after 20 s.
app = wait_for(lambda: application() or (None if running() else "ended"), 20)
if app in (None, "ended"):
    print("FAIL: the program " + ("ended before it appeared" if app else "did not appear")
          + " on the accessibility bus")
    sys.exit(1)
window = wait_for(lambda: app.childCount and app.getChildAtIndex(0), 20)
if not window:
    print("FAIL: the program shows no window on the accessibility bus")
    sys.exit(1)
print("The tree as a screen reader reads it:")
for node, depth in descendants(window):
    state = " (read only)" if node.getRoleName() == "text" and read_only(node) else ""
    print(f"{'  ' * depth}{node.getRoleName()} \"{node.name}\"{state}")

check(window.getRoleName() == "frame" and window.name == CAPTION, "the window is a frame named by its caption")
nodes = {node.name: node for node, _ in descendants(window) if node is not window}
for name, role, answer in CONTROLS:
    node = nodes.get(name)
    check(node is not None and node.getRoleName() == role and read_only(node) == answer,
          f"{role} \"{name}\"" + (" is read-only" if answer else ""))
announced = {name for name in nodes} - {c[0] for c in CONTROLS} - set(LABELS) - {"Simple Ondavi"}
check(not announced, f"nothing else is announced {sorted(announced)}")
check(sum(node.getRoleName() == "frame" for node, _ in descendants(window)) == 1,
      "no decorative frame")

# The worked example, typed through the EditableText interface; "+" pressed through Action.
for name, text in [("first operand, whole number", "1"), ("first operand, numerator", "1"),
                   ("first operand, denominator", "2"), ("second operand, numerator", "2"),
                   ("second operand, denominator", "3")]:
    nodes[name].queryEditableText().setTextContents(text)
nodes["add"].queryAction().doAction(0)
answers = wait_for(lambda: [nodes[c[0]].queryText().getText(0, -1) for c in CONTROLS[6:12]]
                   if nodes["answer, numerator"].queryText().getText(0, -1) else None, 10)
check(answers == ["13", "6", "2", "1", "6", "2.16666666666667"], f"the answers read {answers}")
description = nodes["add"].description
check(description == "13 over 6, mixed number 2 and 1 over 6, decimal 2.16666666666667",
      f"the focused button describes the answer: \"{description}\"")

# An entry check's message, dismissed through its OK button.
nodes["first operand, numerator"].queryEditableText().setTextContents("-1")
nodes["add"].queryAction().doAction(0)
dialog = wait_for(lambda: next((node for node, _ in descendants(app)
                                if node.getRoleName() in ("dialog", "alert")), None), 10)
texts = [node.name for node, _ in descendants(dialog)] if dialog else []
check(any("Use Whole Number Boxs for your negative signs." in t for t in texts),
      "the message box says \"Use Whole Number Boxs for your negative signs.\"")
ok = next((node for node, _ in descendants(dialog) if node.getRoleName() == "push button"), None) if dialog else None
check(ok is not None and ok.name == "OK", "the message box has an OK button")
if ok is not None:
    ok.queryAction().doAction(0)
gone = wait_for(lambda: not any(node.getRoleName() in ("dialog", "alert")
                                for node, _ in descendants(app)) or None, 10)
check(bool(gone), "OK dismisses the message box")

# Explain: a second window titled "Ondavi" whose text reads each step in the inline notation.
nodes["explain the solution step by step"].queryAction().doAction(0)


def explanation():
    for i in range(app.childCount):
        frame = app.getChildAtIndex(i)
        if frame is not None and frame.name == "Ondavi" and frame.getRoleName() == "frame":
            return next((node for node, _ in descendants(frame)
                         if node.getRoleName() == "text" and node.name == "Worked solution"), None)
    return None


solution = wait_for(explanation, 10)
lines = solution.queryText().getText(0, -1).split("\n") if solution else []
check(solution is not None and read_only(solution),
      "Explain opens a window \"Ondavi\" with the read-only text \"Worked solution\"")
for line in ["1 1/2 + 2/3",
             "Rename the fraction over 6: multiply both parts by 3: 1/2 = (1 x 3)/(2 x 3) = 3/6",
             "Work out the whole numbers and the fractions apart: 1 3/6 + 4/6 = 1 + (3/6 + 4/6) = 1 + 7/6",
             "Answer: 1 1/2 + 2/3 = 2 1/6"]:
    check(line in lines, f"the solution reads \"{line}\"")

total = 6 + 5 + len(CONTROLS)
print(f"{total - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
