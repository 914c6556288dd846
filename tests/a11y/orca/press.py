# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""press.py PID NAME: the accessible Press of the push button or menu item named NAME in the
program PID. A press that opens a modal dialog answers only when the dialog closes: it is not
waited for."""
import os
import sys
import threading
import time

import pyatspi

PRESSABLE = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_MENU_ITEM)

pid, name = int(sys.argv[1]), sys.argv[2]
end = time.monotonic() + 8
while time.monotonic() < end:
    try:
        app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid)
        item = pyatspi.findDescendant(app, lambda o: o.getRole() in PRESSABLE and o.name == name)
        if item:
            action = item.queryAction()
            threading.Thread(target=action.doAction, args=(0,), daemon=True).start()
            time.sleep(1)
            os._exit(0)
    except Exception:  # the tree may change under a look-up
        pass
    time.sleep(0.1)
sys.exit(f"no push button or menu item named {name!r}")
