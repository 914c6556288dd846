# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Finds the program on the accessibility bus by its process, presses 1, + and 2 through the
buttons' actions and reads 3 from the text object named Total."""
import sys
import time

import pyatspi


def poll(find, what):
    end = time.monotonic() + 10
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree may change under a look-up
            found = None
        if found:
            return found
        time.sleep(0.05)
    sys.exit(f"timed out waiting for {what}")


def find(role, name, description=None):
    return pyatspi.findDescendant(app, lambda o: o.getRole() == role and o.name == name and
                                  description in (None, o.description))


app = poll(lambda: next(a for a in pyatspi.Registry.getDesktop(0)
                        if a and a.get_process_id() == int(sys.argv[1])), "the program")
buttons = pyatspi.findAllDescendants(app, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON)
assert len({b.name for b in buttons if b.name}) >= 20 and find(pyatspi.ROLE_TEXT, "Line 1")
total = poll(lambda: find(pyatspi.ROLE_TEXT, "Total"), "the total box")  # not the menu Total
for caption in "1+2":  # the keypad's "+", not an operator button: those describe their line
    poll(lambda: find(pyatspi.ROLE_PUSH_BUTTON, caption, ""), caption).queryAction().doAction(0)
poll(lambda: total.queryText().getText(0, -1) == "3", "the total 3")
