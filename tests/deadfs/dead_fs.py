#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A FUSE file system whose server has died, as a hard NFS or SMB mount whose server is gone:
# every call, a getattr of its own root included, waits for good.
# Usage: dead_fs.py MOUNTPOINT (in the foreground; end it with kill -9, then umount -l).
import sys
import time

from fusepy import FUSE, Operations


class Dead(Operations):
    def __call__(self, op, *args):
        if op in ("init", "destroy"):
            return None
        time.sleep(3600)
        return 0


if __name__ == "__main__":
    FUSE(Dead(), sys.argv[1], foreground=True, nothreads=False, allow_other=True,
         attr_timeout=0, entry_timeout=0, fsname="dead")
