#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails while a text marked for translation in src/ has no finished entry in a .ts file.
set -euo pipefail
lupdate=$1 source=$2
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$source"/translations/*.ts "$copy"
# English needs only the plural forms of the texts that count; every other language needs all.
"$lupdate" -silent -no-obsolete -locations none "$source/src" -ts $(ls "$copy"/*.ts | grep -v _en.ts)
"$lupdate" -silent -no-obsolete -locations none -pluralonly "$source/src" -ts "$copy"/tallimer_en.ts
if grep -l 'type="unfinished"' "$copy"/*.ts; then
  echo "texts without a finished translation (run lupdate on translations/):" >&2
  grep -B3 'type="unfinished"' "$copy"/*.ts | grep '<source>' >&2
  exit 1
fi
