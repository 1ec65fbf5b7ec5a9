#!/usr/bin/env bash
# Every text a person reads goes through the translation, and every shipped language has all of them translated:
# the sources hold no words outside tr() but data the allow list names, and lupdate, run over the sources into a copy
# of each shipped .ts file, finds nothing new there and nothing gone.
# usage: check_translations.sh SOURCE_ROOT LUPDATE LANGUAGE...
set -euo pipefail
root=$1 lupdate=$2
shift 2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
python3 "$here/find_untranslated.py" "$root/src" "$here/untranslated.txt" || status=1
for language in "$@"; do
  ts="$work/tintwell_$language.ts"
  cp "$root/translations/tintwell_$language.ts" "$ts"
  # Without -no-obsolete: a text the sources no longer hold stays, marked, and fails the check.
  "$lupdate" -locations none -no-ui-lines "$root/src" -ts "$ts" >"$work/lupdate.log" 2>&1 \
    || { cat "$work/lupdate.log"; status=1; }
  if grep -q "^.*[Ww]arning\|Cannot\|Discarding" "$work/lupdate.log"; then
    cat "$work/lupdate.log"
    status=1
  fi
  python3 "$here/check_ts.py" "$ts" || status=1
done
exit $status
