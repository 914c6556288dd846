# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""spoken.py LOG MARKS: Orca's utterances from its debug log, in time order with the step marks.

The log has "HH:MM:SS.ffffff - SPEECH OUTPUT: 'TEXT'[ voice=NAME] {ACSS dict}"; a newline in TEXT
continues on the next line after 18 spaces."""
import ast
import re
import sys

stamp = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - (.*)$")
head = "SPEECH OUTPUT: '"


def secs(h, m, s):
    return int(h) * 3600 + int(m) * 60 + float(s)


def closed(rest):
    """TEXT when rest holds the quote closing it, else None."""
    for i, c in enumerate(rest):
        if c != "'":
            continue
        m = re.match(r"^(?:voice=\S+?)?\s*(\{.*\})?$", rest[i + 1:].strip(), re.S)
        if not m:
            continue
        if m.group(1):
            try:
                if not isinstance(ast.literal_eval(m.group(1)), dict):
                    continue
            except (ValueError, SyntaxError):
                continue
        return rest[:i]
    return None


items, pending = [], None
with open(sys.argv[1], encoding="utf-8", errors="replace") as log:
    for line in log:
        line = line.rstrip("\n")
        if pending is not None:
            if line.startswith(" " * 18):
                pending[1] += "\n" + line[18:]
                text = closed(pending[1])
                if text is not None:
                    items.append((pending[0], 1, text))
                    pending = None
                continue
            pending = None
        m = stamp.match(line)
        if not m or not m.group(4).startswith(head):
            continue
        t, rest = secs(*m.groups()[:3]), m.group(4)[len(head):]
        text = closed(rest)
        if text is None:
            pending = [t, rest]
        else:
            items.append((t, 1, text))
with open(sys.argv[2], encoding="utf-8") as marks:
    for line in marks:
        when, label = line.rstrip("\n").split("\t", 1)
        items.append((secs(*when.split(":")), 0, label))
# The log's first line comes before every mark; a time long before it is past midnight.
start = items[0][0] if items else 0
items = [(t + 86400 if t < start - 3600 else t, k, s) for t, k, s in items]
for _, _, text in sorted(items, key=lambda x: (x[0], x[1])):
    text = " ".join(text.split())
    if text and text not in ("Screen reader on.", "Screen reader off."):
        print(text)
