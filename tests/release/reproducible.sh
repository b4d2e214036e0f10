#!/usr/bin/env bash
# Packages the release from two clean copies of the tree at different paths (of different
# lengths, without .git, so the default time stamp applies) and checks that both give the same
# SHA256SUMS: nothing of the folder or the moment of the build may reach the zips.
# Usage: tests/release/reproducible.sh WORK_DIR
# Leaves the first copy's zips and SHA256SUMS in WORK_DIR/dist for the package checks.
# Prints PASS/FAIL lines, then "N passed, M failed"; exits 0 only when all pass.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mkdir -p "${1:?usage: reproducible.sh WORK_DIR}" && cd "$1" && pwd)"
cd "$root"

# The tree as git sees it: tracked and new files, without what .gitignore leaves out (build
# folders, dist/). Files deleted but not yet committed are skipped.
copy_tree() {
  rm -rf "$1"
  mkdir -p "$1"
  git ls-files -z --cached --others --exclude-standard |
    tar -c --null -T - --ignore-failed-read 2>/dev/null | tar -x -C "$1"
}

a="$work/a/sorelka"
b="$work/copy-b/at/another/depth/sorelka-2"
rm -rf "$work/dist"
ok=1
# Both copies first, so both hold the same sources even while the tree is being edited.
copy_tree "$a"
copy_tree "$b"
for tree in "$a" "$b"; do
  echo "reproducible: packaging in $tree"
  if ! (unset SOURCE_DATE_EPOCH; bash "$tree/scripts/package" -o "$tree/dist") > "$tree.package.log" 2>&1; then
    tail -20 "$tree.package.log"
    ok=0
  fi
done

passed=0
failed=0
if [ "$ok" -eq 1 ]; then
  echo "PASS packaged from two copies"; passed=$((passed + 1))
  cp -r "$a/dist" "$work/dist"
  if cmp -s "$a/dist/SHA256SUMS" "$b/dist/SHA256SUMS"; then
    echo "PASS the same SHA256SUMS from both copies"; passed=$((passed + 1))
  else
    echo "FAIL the two copies' SHA256SUMS differ:"; diff "$a/dist/SHA256SUMS" "$b/dist/SHA256SUMS"
    failed=$((failed + 1))
  fi
else
  echo "FAIL packaged from two copies"; failed=$((failed + 1))
fi
cat "$work/dist/SHA256SUMS" 2>/dev/null
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
