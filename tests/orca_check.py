"""Listens to the running vesko window with Orca, the screen reader, as a blind user would:
Tab once round every tab stop, then a new entry by keyboard in two lists. Passes when what
Orca said (the SPEECH OUTPUT lines of its debug log) names each list with its label, its whole
name where the label serves two, and its entry, and each new entry once it changed.

Usage: orca_check.py ORCA_DEBUG_FILE ORCA_PID VESKO_PID
"""
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi

from screen_reader_check import find_window, heard, inputs

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{'established'")
KEY = re.compile(r"vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT: '([^']+)'")
# Orca takes up to about half a second to speak of a key; its log is written in blocks, so
# it is read once Orca has ended rather than key by key.
PACE = 1.0


def said(log):
    """What Orca said before the first key press, then after each: [(key, [speech...])]."""
    result = [("", [])]
    with open(log, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            key = KEY.search(line)
            if key:
                result.append((key.group(1), []))
            speech = SPEECH.search(line)
            if speech:
                result[-1][1].append(speech.group(1))
    return result


def fresh(node):
    node.clearCache()
    return node


def tab_stops(node):
    states = fresh(node).getState()
    if all(states.contains(s) for s in (pyatspi.STATE_FOCUSABLE, pyatspi.STATE_SENSITIVE,
                                        pyatspi.STATE_SHOWING)):
        return 1
    return sum(tab_stops(child) for child in node if child is not None)


def wait_until(test, longest):
    end = time.time() + longest
    while not test():
        if time.time() > end:
            return False
        time.sleep(0.5)
    return True


def hears(speech, words):
    text = " ".join(speech)
    return all(word in text for word in words)


def main():
    log, orca_pid, pid = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    window = find_window(90, pid)
    lists = [node for node in inputs(window)
             if node.getRoleName() == "combo box" and heard(node)[3]]
    shown = [heard(node)[:3] for node in lists]  # before any entry changes
    # Orca follows the window once it has spoken of it: at the latest, once the log has it.
    caption = window[0].name
    if not wait_until(lambda: any(caption in line for _, speech in said(log)
                                  for line in speech), 60):
        sys.exit(f"orca check: Orca did not speak of the window {caption!r} within a minute")
    # Keys go where the X input focus is: the window, which has no window manager to give it.
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(pid)],
                           check=True, capture_output=True, text=True).stdout.split()
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=True)
    time.sleep(PACE)

    keys = []

    def press(key):
        subprocess.run(["xdotool", "key", key], check=True)
        keys.append(key)
        time.sleep(PACE)

    # Once round the window.
    walk = tab_stops(window)
    for _ in range(walk):
        press("Tab")
    # A new entry in the first list and in the first list that is a part of its row
    # (DST Start week), whichever way it can move; Tab takes the focus there.
    changes = []
    for node in (lists[0], next(n for n in lists if heard(n)[1])):
        for _ in range(walk):
            if fresh(node).getState().contains(pyatspi.STATE_FOCUSED):
                break
            press("Tab")
        for key in ("Down", "Up"):
            before = fresh(node).name
            press(key)
            if fresh(node).name != before:
                changes.append((heard(node)[1] or heard(node)[0], key, len(keys), node.name))
                break
        else:
            changes.append((heard(node)[1] or heard(node)[0], "Down or Up", None, before))

    # Orca writes out what it said as it ends.
    os.kill(orca_pid, signal.SIGTERM)
    wait_until(lambda: not os.path.exists(f"/proc/{orca_pid}"), 15)
    after = said(log)[1:]
    failures = []
    if [key for key, _ in after] != keys:
        failures.append(f"Orca took {len(after)} key presses, {len(keys)} were made")

    tabbed = after[:walk]
    for label, part, entry in shown:
        if not any(hears(speech, (label, part, entry, "combo box")) for _, speech in tabbed):
            failures.append(f"Tab to {part or label}: Orca never said it with "
                            f"{entry!r}")
    print(f"orca check: Tab {walk} times round the window, {len(lists)} lists")
    for label, key, pressed, entry in changes:
        if pressed is None:
            failures.append(f"{label}: neither Down nor Up changed its entry")
            continue
        # Orca may still be speaking of one key when the next comes.
        speech = [line for _, lines in after[pressed - 1:pressed + 1] for line in lines]
        print(f"orca check: {label}, {key}: {' | '.join(speech)}")
        if not hears(speech, (entry,)):
            failures.append(f"{label}: {key} made it {entry!r}, which Orca did not say")

    for failure in failures:
        print("orca check:", failure, file=sys.stderr)
    print(f"orca check: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
