#!/usr/bin/env bash
# Fails when the program imports a function that is not on the reviewed allow-list. Wine
# provides every function, so only this catches an import that Windows 2000 or XP lacks.
set -euo pipefail
exe="$1"
here="$(cd "$(dirname "$0")" && pwd)"
objdump=x86_64-w64-mingw32-objdump
command -v "$objdump" >/dev/null || objdump=objdump

imports=$("$objdump" -p "$exe" | awk '
  /DLL Name:/ { dll = tolower($3); next }
  /^[ \t]*$/ { next }
  dll != "" && /^[ \t]+[0-9a-f]+[ \t]+[0-9]+[ \t]+[A-Za-z_]/ { print dll "!" $3 }
' | sort -u)

unexpected=$(comm -23 <(echo "$imports") <(grep -v '^#' "$here/allowed.txt" | sed '/^$/d' | sort -u))
if [ -n "$unexpected" ]; then
  echo "FAIL imports of $exe not on the allow-list (tests/imports/allowed.txt):"
  echo "$unexpected" | sed 's/^/  /'
  exit 1
fi
echo "PASS imports of $exe: $(echo "$imports" | wc -l) functions, all allowed"
