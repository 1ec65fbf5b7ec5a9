#!/usr/bin/env bash
# sassc (libsass) must compile every .scss the program writes, and each variable must hold the colour
# written: a rule that uses every variable is compiled after the file's own text.
set -euo pipefail
dir=$1
command -v sassc >/dev/null || { echo "sassc is missing: scripts/bootstrap installs it"; exit 1; }
failures=0
for scss in "$dir"/*.scss; do
  name=$(basename "$scss" .scss)
  {
    cat "$scss"
    printf '\n.probe {\n'
    grep -o '^\$tw-[a-z0-9-]*' "$scss" | sed 's/.*/  color: &;/'
    printf '}\n'
  } > "$dir/$name-probe.scss"
  if ! sassc --style expanded "$dir/$name-probe.scss" > "$dir/$name-probe.css" 2> "$dir/$name-sassc.err"; then
    echo "$name.scss: sassc refuses it:"; head -5 "$dir/$name-sassc.err"; failures=$((failures + 1)); continue
  fi
  compiled=$(grep -o 'color: #[0-9a-fA-F]*' "$dir/$name-probe.css" | sed 's/color: #//' | tr a-f A-F \
    | sed 's/^\(.\)\(.\)\(.\)$/\1\1\2\2\3\3/')
  if [ "$compiled" != "$(cat "$dir/$name.expected")" ]; then
    echo "$name.scss: the compiled colours differ from those written:"
    diff <(echo "$compiled") "$dir/$name.expected" | head -5
    failures=$((failures + 1)); continue
  fi
  echo "$name.scss: $(wc -l < "$dir/$name.expected") variables compiled by sassc"
done
exit $((failures > 0))
