#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM with a dead file system mounted under a temporary folder (TALLIMER_DEAD_FS,
# the server's PID in TALLIMER_DEAD_FS_SERVER) and, whatever happens, ends the server and
# unmounts. A process waiting on a request the server has read cannot be killed until the
# server is gone, so the server always goes first. Exits 77 (skipped) without FUSE.
# Usage: run_dead_fs.sh PROGRAM [ARGS...]
set -u
here=$(cd "$(dirname "$0")" && pwd)

if [[ ! -c /dev/fuse ]]; then
  echo "dead file system test: /dev/fuse is missing, skipped"
  exit 77
fi
if ! /usr/bin/python3 -c 'import fusepy' 2>/dev/null; then
  echo "dead file system test: python3-fusepy is missing, skipped"
  exit 77
fi

base=$(mktemp -d "${TMPDIR:-/tmp}/tallimer-dead-fs.XXXXXX")
point=$base/dead
mkdir "$point"
server=
program=

# Seen in mountinfo only: a stat of the mount point would wait for good.
mounted() { grep -q " $point " /proc/self/mountinfo; }

end_server() {
  if [[ -n $server ]]; then
    kill -9 "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    server=
  fi
  if mounted; then
    umount -l "$point" 2>/dev/null || fusermount -u -z "$point" 2>/dev/null
  fi
}

cleanup() {
  end_server
  if [[ -n $program ]]; then
    kill -9 "$program" 2>/dev/null
    wait "$program" 2>/dev/null
  fi
  for _ in $(seq 20); do
    rmdir "$point" "$base" 2>/dev/null && break
    sleep 0.1
  done
}
trap cleanup EXIT

/usr/bin/python3 "$here/dead_fs.py" "$point" &
server=$!
for _ in $(seq 100); do
  mounted && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if ! mounted; then
  echo "dead file system test: FUSE could not mount here, skipped"
  exit 77
fi

TALLIMER_DEAD_FS=$point TALLIMER_DEAD_FS_SERVER=$server "$@" &
program=$!
# A bounded run: a program stuck on the mount is freed by ending the server.
for _ in $(seq "${TALLIMER_DEAD_FS_SECONDS:-60}0"); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
  echo "dead file system test: the program still runs; ending the server"
  end_server
  for _ in $(seq 200); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$program" 2>/dev/null
fi
wait "$program"
status=$?
program=
exit $status
