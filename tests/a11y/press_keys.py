"""Finds the calculator on the accessibility bus by its process, presses 1, + and 2 through
the buttons' actions and reads 3 from the text object named Total."""
import sys
import time

import pyatspi


def poll(find, what, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree may change under a look-up
            found = None
        if found:
            return found
        time.sleep(0.05)
    sys.exit(f"timed out waiting for {what}")


pid = int(sys.argv[1])
app = poll(lambda: next(a for a in pyatspi.Registry.getDesktop(0)
                        if a is not None and a.get_process_id() == pid), "the application")


def find(role, name, description=None):
    return pyatspi.findDescendant(app, lambda o: o.getRole() == role and o.name == name and
                                  description in (None, o.description))


buttons = pyatspi.findAllDescendants(app, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON)
assert len({b.name for b in buttons if b.name}) >= 20, [b.name for b in buttons]
assert find(pyatspi.ROLE_TEXT, "Line 1"), "no entry row named Line 1"
# The menu "Total" is a menu item; the total box is the text object of that name.
total = poll(lambda: find(pyatspi.ROLE_TEXT, "Total"), "the total box")
for caption in "1+2":
    # The keypad's "+", not an operator button (those describe their line).
    key = poll(lambda: find(pyatspi.ROLE_PUSH_BUTTON, caption, ""), f"the key {caption}")
    key.queryAction().doAction(0)
poll(lambda: total.queryText().getText(0, -1) == "3",
     f"the total 3, read {total.queryText().getText(0, -1)!r}")
print("total read over the accessibility bus:", total.queryText().getText(0, -1))
