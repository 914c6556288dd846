"""press.py PID NAME: the accessible Press of the push button named NAME in the program PID."""
import sys
import time

import pyatspi

pid, name = int(sys.argv[1]), sys.argv[2]
end = time.monotonic() + 8
while time.monotonic() < end:
    try:
        app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid)
        button = pyatspi.findDescendant(
            app, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == name)
        if button:
            button.queryAction().doAction(0)
            sys.exit(0)
    except Exception:  # the tree may change under a look-up
        pass
    time.sleep(0.1)
sys.exit(f"no push button named {name!r}")
