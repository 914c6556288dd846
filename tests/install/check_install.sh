#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR and checks it as a desktop and a user would read
# it: the files in place, the desktop entry, the AppStream metadata, the file type found by
# name and by content, the icons, and the manual page against `tallimer --help`.
# Usage: check_install.sh BUILD_DIR MIME_PROBE TRANSLATIONS_DIR
set -euo pipefail
build=$1
probe=$2
translations=$3
id=org.tallimer.Calculator
type=application/x-tallimer-calculation

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# Runs a checker that prints nothing when all is well.
silent() {
  local out
  if ! out=$("$@" 2>&1) || [[ -n $out ]]; then
    fail "$*"
    printf '%s\n' "$out" >&2
  fi
}

expected=(
  usr/bin/tallimer
  "usr/lib/$(gcc -print-multiarch)/tallimer/libtallimer_print.so"
  usr/share/applications/$id.desktop
  usr/share/icons/hicolor/128x128/apps/$id.png
  usr/share/icons/hicolor/32x32/apps/$id.png
  usr/share/icons/hicolor/48x48/apps/$id.png
  usr/share/icons/hicolor/scalable/apps/$id.svg
  usr/share/doc/tallimer/changelog.gz
  usr/share/doc/tallimer/copyright
  usr/share/man/man1/tallimer.1.gz
  usr/share/metainfo/$id.metainfo.xml
  usr/share/mime/packages/$id.xml
)
installed=$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [[ $installed != "$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)" ]]; then
  fail "installed files differ from the expected list:"$'\n'"$installed"
fi

[[ $("$root/usr/bin/tallimer" --version) == "Tallimer Calculator 6 "*GPL-3.0-or-later* ]] ||
  fail "tallimer --version"

silent desktop-file-validate "$share/applications/$id.desktop"
silent xmllint --noout "$share/metainfo/$id.metainfo.xml" "$share/mime/packages/$id.xml" \
  "$share/icons/hicolor/scalable/apps/$id.svg"
# AppStream's checks, less the messages that cannot be helped: AppStream 1.0 (Debian 13) warns
# that there is no homepage (url-homepage-missing), and the project has no public page to name
# (an invented one would send people nowhere); AppStream 0.16 (Debian 12) predates the
# <developer> tag that 1.0 asks for; the id's capital letter is in every installed file's name.
accepted=$'W url-homepage-missing\nI unknown-tag developer\nP cid-contains-uppercase-letter '$id
appstream() {
  local report issues
  report=$("$@" 2>&1 || true)
  issues=$(sed -nE 's/^ *([EWIP]): [^:]*:[^:]*: /\1 /p' <<<"$report" | grep -vxF "$accepted" || true)
  if [[ -n $issues || $report != *"Validation "* ]]; then
    fail "$*"
    printf '%s\n' "$report" >&2
  fi
}
appstream appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml"
appstream appstreamcli validate-tree --no-net "$root/usr"

# Each language the program speaks finds it by its own words and reads about it in them: the
# entry's name, comment and search words, the file type's comment, and every text of the metadata.
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
texts=$(grep -cE '<(summary|p|li)>' "$metainfo")
for ts in "$translations"/tallimer_*.ts; do
  lang=${ts##*/tallimer_}
  lang=${lang%.ts}
  [[ $lang != en ]] || continue
  for key in GenericName Comment Keywords; do
    grep -q "^$key\[$lang\]=." "$desktop" || fail "the desktop entry has no ${key}[$lang]"
  done
  grep -q "<comment xml:lang=\"$lang\">" "$share/mime/packages/$id.xml" ||
    fail "the file type has no comment in $lang"
  [[ $(grep -c "xml:lang=\"$lang\"" "$metainfo") == "$texts" ]] ||
    fail "the metadata lacks texts in $lang"
done

# PNG width and height are the big-endian words at bytes 16 and 20.
for size in 32 48 128; do
  read -r -a dims < <(od -An -tu1 -j16 -N8 "$share/icons/hicolor/${size}x$size/apps/$id.png")
  width=$(((dims[2] << 8) | dims[3]))
  height=$(((dims[6] << 8) | dims[7]))
  [[ $width == "$size" && $height == "$size" ]] || fail "icon ${size}x$size is ${width}x$height"
done

# The file type, from a database built on the temporary tree alone, with the system's base
# types (text/plain among them) copied in.
cp /usr/share/mime/packages/freedesktop.org.xml "$share/mime/packages/"
export XDG_DATA_DIRS=$share XDG_DATA_HOME=$root/no-home
silent update-mime-database "$share/mime"
files=$root/files
mkdir -p "$files"
header='Tallimer Calculator 6\r\n+12.5\r\n-3\r\n'
printf '+1\r\n' >"$files/plan.Clc"
printf '+1\r\n' >"$files/PLAN.CLC"
printf "$header" >"$files/plan"
printf "$header" >"$files/plan.txt"
printf 'Twelve and a half\r\n' >"$files/notes.txt"
# By name, and by the header where the name says nothing.
types=$("$probe" "$files/plan.Clc" "$files/PLAN.CLC" "$files/plan")
[[ $types == "$type"$'\n'"$type"$'\n'"$type" ]] || fail "file types: got"$'\n'"$types"
# By the header alone, as sniffing a renamed file does.
types=$("$probe" --content "$files/plan.txt" "$files/notes.txt")
[[ $types == "$type"$'\n'text/plain ]] || fail "file types by content: got"$'\n'"$types"

# The program opens its file type: the desktop database maps the type to the entry.
silent update-desktop-database "$share/applications"
grep -qx "$type=$id.desktop;" "$share/applications/mimeinfo.cache" ||
  fail "the desktop database does not give $id.desktop for $type"

# The manual page renders without a warning and names every option of --help.
man=$root/tallimer.1
gzip -dc "$share/man/man1/tallimer.1.gz" >"$man"
silent groff -man -ww -z -Tutf8 "$man"
options() { grep -oE -- '--[a-z][a-z-]*' | LC_ALL=C sort -u; }
# A wide line leaves no option broken at its hyphens; -P-cbou asks for plain text, neither the
# escape sequences of groff 1.23 nor the overstrikes of 1.22.
man_text=$(groff -man -Tascii -P-cbou -rLL=1000n "$man" 2>/dev/null)
help_text=$("$root/usr/bin/tallimer" --help)
if [[ $(options <<<"$man_text") != "$(options <<<"$help_text")" ]]; then
  fail "the manual page and --help list different options:"$'\n'"$(diff \
    <(options <<<"$man_text") <(options <<<"$help_text"))"
fi
grep -q 'tallimer \[file\.Clc\]' <<<"$man_text" || fail "the manual page lacks the .Clc argument"

if ((failures > 0)); then
  echo "$failures install check(s) failed" >&2
  exit 1
fi
echo "install checks passed"
