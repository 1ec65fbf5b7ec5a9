#!/usr/bin/env bash
# Writes the sample palettes into a fresh folder and runs one reader's check on them.
#   run_checks.sh WRITER CHECK   (CHECK: one of check_*.sh or check_*.py beside this script)
set -euo pipefail
writer=$1
check=$(dirname "$0")/$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$writer" "$dir"
case $check in
  # Debian's Python, which the python3-* packages install into.
  *.py) /usr/bin/python3 "$check" "$dir" ;;
  *) bash "$check" "$dir" ;;
esac
