# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""orca_test.py PROGRAM: what the real Orca says while the calculator is used with the keyboard.

Each sequence is one run of orca_speech.sh; each step names what must be said while it lasts
(a pattern matching exactly that many times, a line at a time or over a step's lines) and
what must not be. The program runs in a folder of its own with a folder and two calculations, one
of them broken. Orca 43 (Debian 12) and Orca 48 (Debian 13) are heard alike."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
NO_TOTAL = r"^Total :"
ROLE_WORD = r"^notification\b"  # an announcement is said as it is

# (step, said pattern, times, unsaid pattern)
SEQUENCES = {
    "a column, a past line corrected, the memory, an operator": [
        ("7", None, 0, NO_TOTAL),  # digits are only echoed
        ("plus", r"^Total : 7\.?$", 1, None),
        ("5", None, 0, NO_TOTAL),
        ("Return", r"^Total : 12\.?$", 1, None),
        ("Up", r"^5\.?$", 1, NO_TOTAL),  # a line's whole value, and nothing else told
        ("Up", r"^7\.?$", 1, NO_TOTAL),
        ("BackSpace", None, 0, NO_TOTAL),
        ("9", None, 0, NO_TOTAL),
        ("Return", r"^Total : 14\.?$", 1, None),
        ("press:M+", r"^Memory, 5\.?$", 1, NO_TOTAL),
        ("press:operator of line 2, plus", r"^Total : 4\.?$", 1, None),
    ],
    "a total past the largest number": [
        ("type:79228162514264337593543950335", None, 0, NO_TOTAL),
        ("plus", r"^Total : 79228162514264337593543950335\.?$", 1, None),
        ("1", None, 0, r"Overflow"),
        ("Return", r"^Overflow\.?$", 1, None),
    ],
    "the open dialog: the list's entries, the name box, a failure's message": [
        ("press:Open Calculation...", None, 0, None),
        ("Down", None, 0, None),  # the name box hands the keys to the list
        ("Page_Down", None, 0, None),
        ("Page_Down", None, 0, None),  # on the last entry, whatever the drives
        ("Up", r"^Broken\.Clc\.\n(not selected\.\n)?file\.$", 1, None),
        ("Up", r"^Documents\.\n(not selected\.\n)?folder\.$", 1, None),
        ("Tab", r"^File Name: text\.$", 1, None),
        ("type:Broken", None, 0, None),
        ("Return", None, 0, None),
        ("Return", r"^alert Tallimer Calculator\.\n.+\nOK (push )?button\.$", 1, None),
    ],
    "into a folder and back by keys: each entry, the folder entered": [
        ("press:Open Calculation...", None, 0, None),
        ("shift+Tab", r"^drive\.$", 1, None),  # the list's current entry, its first
        ("End", r"^Budget\.Clc\.\n(not selected\.\n)?file\.$", 1, None),
        ("Up", r"^Broken\.Clc\.\n(not selected\.\n)?file\.$", 1, None),
        ("Up", r"^Documents\.\n(not selected\.\n)?folder\.$", 1, None),
        ("Return", r"^Documents\.?$", 1, None),  # the folder entered
        ("Down", r"^(not selected\.\n)?(home folder|drive)\.$", 1, None),
        ("BackSpace", r"^tallimer_orca_files\.\w+\.?$", 1, None),  # back, by its name
    ],
    "an open from the menu: the file's total, once it has been read": [
        ("press:Open Calculation...", None, 0, None),
        ("type:Budget", None, 0, NO_TOTAL),
        ("Return", None, 0, NO_TOTAL),  # to the Open button
        ("Return", r"^Total : 42\.?$", 1, None),
    ],
}


def segments(lines):
    """The lines spoken during each step, keyed by the step's position."""
    out, current = [], None
    for line in lines:
        if line.startswith(">> "):
            current = []
            out.append(current)
        elif current is not None:
            current.append(line)
    return out


SKIPPED = 77


def main():
    if shutil.which("orca") is None:
        print("SKIP: Orca is not installed")
        return SKIPPED
    failures = 0
    folder = tempfile.TemporaryDirectory(prefix="tallimer_orca_files.")
    os.mkdir(os.path.join(folder.name, "Documents"))
    with open(os.path.join(folder.name, "Budget.Clc"), "w", newline="") as f:
        f.write("Budget\r\n+40\r\n+2\r\n")
    with open(os.path.join(folder.name, "Broken.Clc"), "wb") as f:
        f.write(b"\x00\x01 no calculation")
    program = os.path.abspath(sys.argv[1])
    for title, steps in SEQUENCES.items():
        run = subprocess.run(["bash", os.path.join(HERE, "orca_speech.sh"), program, "--"] +
                             [s[0] for s in steps], capture_output=True, text=True,
                             cwd=folder.name)
        spoken = run.stdout.splitlines()
        parts = segments(spoken)
        if run.returncode != 0 or len(parts) != len(steps):
            print(f"FAIL {title}: the run did not complete ({run.returncode})\n{run.stderr}")
            failures += 1
            continue
        for (step, said, times, unsaid), heard in zip(steps, parts):
            problems = []
            lines = "\n".join(heard)
            if said and len(re.findall(said, lines, re.M)) != times:
                problems.append(f"expected {times} x /{said}/")
            for never in filter(None, (unsaid, ROLE_WORD)):
                if re.search(never, lines, re.M):
                    problems.append(f"expected no /{never}/")
            if problems:
                failures += 1
                print(f"FAIL {title}, step {step}: {'; '.join(problems)}; heard {heard}")
        print(f"--- {title}:\n" + "\n".join(spoken))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
