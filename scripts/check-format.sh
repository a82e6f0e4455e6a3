#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what .clang-format makes of it.
# Run scripts/check-format.sh --fix to rewrite the files in place.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed" >&2; exit 1; }
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
bad=0
for f in "${files[@]}"; do
  if ! clang-format "$f" | cmp -s - "$f"; then
    echo "check-format: $f is not formatted (scripts/check-format.sh --fix)" >&2
    bad=1
  fi
done
[ $bad -eq 0 ] && echo "check-format: ${#files[@]} files formatted"
exit $bad
