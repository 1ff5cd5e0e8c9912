"""Reads the running vesko window as a screen reader does, through AT-SPI, and checks that
every input can be heard with its label and its entry or text, against what vesko-cli shows
for the same card.

Usage: screen_reader_check.py VESKO_CLI CARD VESKO_PID
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

INPUTS = {"combo box", "text"}
# Inputs that show no setting of the card: the PC's date and time.
NOT_ON_THE_CARD = {"Date Setting", "Time Setting"}


def expected_values(cli, card):
    shown = subprocess.run([cli, "show", card], check=True, capture_output=True, text=True)
    pairs = (line.split(":", 1) for line in shown.stdout.splitlines() if ":" in line)
    return {label.strip(): value.strip() for label, value in pairs}


def find_window(timeout, pid):
    end = time.time() + timeout
    while time.time() < end:
        try:
            os.kill(pid, 0)
        except ProcessLookupError:
            sys.exit("screen reader check: the vesko window ended before it could be read")
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "vesko" and app.childCount > 0:
                return app
        time.sleep(0.5)
    sys.exit("screen reader check: the vesko window never appeared on the accessibility bus")


def inputs(node):
    role = node.getRoleName()
    if role in INPUTS:
        yield node
        return
    for child in node:
        if child is not None:
            yield from inputs(child)


def heard(node):
    """What a screen reader says for an input: (label, whole name where the label serves
    two, entry or text, enabled)."""
    labels = [r.getTarget(i).name.strip() for r in node.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for i in range(r.getNTargets())]
    enabled = node.getState().contains(pyatspi.STATE_ENABLED)
    if node.getRoleName() == "combo box":
        return (labels[0] if labels else ""), node.description, node.name, enabled
    text = node.queryText()
    return node.name or (labels[0] if labels else ""), "", text.getText(0, -1), enabled


def announces_new_entry(node):
    """Moves the list to its next entry with the keyboard, as a user would, and tells
    whether a screen reader was told of the new entry."""
    heard_names = []

    def on_event(event):
        if event.source.getRoleName() == "combo box":
            heard_names.append(event.source.name)

    def move():
        node.queryComponent().grabFocus()
        GLib.timeout_add(300, lambda: subprocess.run(["xdotool", "key", "Down"], check=True) and False)
        return False

    # Qt sends a list's new name to those who listen for changed values, as Orca does.
    pyatspi.Registry.registerEventListener(on_event, "object:property-change:accessible-name",
                                           "object:property-change:accessible-value")
    GLib.timeout_add(1000, move)  # the window learns of the listener first
    GLib.timeout_add(4000, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    return bool(heard_names) and heard_names[-1] == node.name and node.name != ""


def main():
    cli, card, pid = sys.argv[1], sys.argv[2], int(sys.argv[3])
    expected = expected_values(cli, card)
    failures = []
    count = 0
    audio = None
    for node in inputs(find_window(90, pid)):
        label, part, entry, enabled = heard(node)
        count += 1
        key = label if label in expected or not part else part
        state = "enabled" if enabled else "disabled"
        print(f"{node.getRoleName():9} {key!r:30} {entry!r:20} {state}")
        if not label:
            failures.append(f"a {node.getRoleName()} without a label (entry {entry!r})")
        elif node.getRoleName() == "combo box" and not entry:
            failures.append(f"{key}: its entry cannot be heard")
        elif key not in expected and key not in NOT_ON_THE_CARD:
            failures.append(f"{key}: no such setting on the card (entry {entry!r})")
        elif key in expected and entry != expected[key]:
            failures.append(f"{key}: heard {entry!r}, the card holds {expected[key]!r}")
        if key == "Audio":
            audio = node
    if audio is None or not announces_new_entry(audio):
        failures.append("a new entry in the Audio list was not announced")
    else:
        print(f"announced: Audio is now {audio.name!r}")
    if count < 26:
        failures.append(f"only {count} inputs found, 26 expected")
    for failure in failures:
        print("screen reader check:", failure, file=sys.stderr)
    print(f"screen reader check: {count} inputs, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
