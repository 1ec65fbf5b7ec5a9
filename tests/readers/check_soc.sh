#!/usr/bin/env bash
# xmllint must find every .soc the program writes well-formed and valid against the colour-table schema,
# and read back the colours written.
set -euo pipefail
dir=$1
schema=$(dirname "$0")/soc.rng
failures=0
for soc in "$dir"/*.soc; do
  name=$(basename "$soc" .soc)
  if ! xmllint --noout --relaxng "$schema" "$soc" 2> "$dir/$name-xmllint.err"; then
    echo "$name.soc: xmllint refuses it:"; head -5 "$dir/$name-xmllint.err"; failures=$((failures + 1)); continue
  fi
  colours=$(xmllint --xpath '//*[local-name()="color"]/@*[local-name()="color"]' "$soc" \
    | grep -o '#[0-9a-fA-F]\{6\}' | tr -d '#' | tr a-f A-F)
  if [ "$colours" != "$(cat "$dir/$name.expected")" ]; then
    echo "$name.soc: the colours xmllint reads differ from those written"; failures=$((failures + 1)); continue
  fi
  # LibreOffice keeps one colour per name.
  names=$(xmllint --xpath '//*[local-name()="color"]/@*[local-name()="name"]' "$soc" | sed 's/^ *//')
  if [ "$(printf '%s\n' "$names" | grep -c .)" != "$(wc -l < "$dir/$name.expected")" ] \
    || printf '%s\n' "$names" | grep -qx 'name=""' || [ -n "$(printf '%s\n' "$names" | sort | uniq -d)" ]; then
    echo "$name.soc: a colour has no name of its own"; failures=$((failures + 1)); continue
  fi
  echo "$name.soc: valid, $(wc -l < "$dir/$name.expected") colours read by xmllint under names of their own"
done
exit $((failures > 0))
