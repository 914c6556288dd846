#!/usr/bin/env bash
# Fails while a text marked for translation in src/ has no finished entry in a .ts file.
set -euo pipefail
lupdate=$1 source=$2
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$source"/translations/*.ts "$copy"
"$lupdate" -silent -no-obsolete -locations none "$source/src" -ts "$copy"/*.ts
if grep -l 'type="unfinished"' "$copy"/*.ts; then
  echo "texts without a finished translation (run lupdate on translations/):" >&2
  grep -B3 'type="unfinished"' "$copy"/*.ts | grep '<source>' >&2
  exit 1
fi
