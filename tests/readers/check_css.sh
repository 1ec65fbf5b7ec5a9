#!/usr/bin/env bash
# Chromium must read every custom property of every .css the program writes, each as the colour written:
# the style sheets go into one page whose script sets each property as a colour and writes what
# getComputedStyle makes of it into the page, which --dump-dom prints.
set -euo pipefail
dir=$1
command -v chromium >/dev/null || { echo "chromium is missing: scripts/bootstrap installs it"; exit 1; }

page=$dir/css-check.html
{
  printf '<!DOCTYPE html>\n<html><head><meta charset="utf-8">\n'
  for css in "$dir"/*.css; do
    # Inline, as a page would embed it: a file:// style sheet's rules are closed to the page's script.
    printf '<style data-name="%s">\n' "$(basename "$css" .css)"
    cat "$css"
    printf '</style>\n'
  done
  cat <<'HTML'
</head><body><pre id="out"></pre><script>
const probe = document.body.appendChild(document.createElement('div'));
const hex = (n) => Number(n).toString(16).padStart(2, '0').toUpperCase();
const lines = [];
for (const sheet of document.styleSheets) {
  // Each sheet alone: their properties share names, and the cascade would mix them.
  for (const other of document.styleSheets) other.disabled = other !== sheet;
  const roots = [...sheet.cssRules].filter((r) => r.selectorText === ':root');
  lines.push('sheet ' + sheet.ownerNode.dataset.name + ' ' + roots.length);
  for (const rule of roots) {
    for (let i = 0; i < rule.style.length; ++i) {
      const property = rule.style[i];
      probe.style.color = 'black';
      probe.style.color = 'var(' + property + ')';
      const rgb = getComputedStyle(probe).color.match(/\d+/g);
      lines.push(property + ' ' + rgb.slice(0, 3).map(hex).join(''));
    }
  }
}
document.getElementById('out').textContent = lines.join('\n');
</script></body></html>
HTML
} > "$page"

HOME=$dir timeout 60 chromium --headless --no-sandbox --disable-gpu --dump-dom "file://$page" 2>/dev/null \
  | sed -n '/<pre id="out">/,/<\/pre>/p' | sed -e 's/.*<pre id="out">//' -e 's/<\/pre>.*//' > "$dir/css-read.txt"

failures=0
for css in "$dir"/*.css; do
  name=$(basename "$css" .css)
  read_colours=$(awk -v s="$name" '$1 == "sheet" { on = ($2 == s) ; next } on { print $2 }' "$dir/css-read.txt")
  properties=$(awk -v s="$name" '$1 == "sheet" { on = ($2 == s) ; next } on { print $1 }' "$dir/css-read.txt")
  if ! grep -q "^sheet $name 1$" "$dir/css-read.txt"; then
    echo "$name.css: chromium found no single :root rule"; failures=$((failures + 1)); continue
  fi
  if [ "$read_colours" != "$(cat "$dir/$name.expected")" ]; then
    echo "$name.css: the colours chromium reads differ from those written:"
    diff <(echo "$read_colours") "$dir/$name.expected" | head -5
    failures=$((failures + 1)); continue
  fi
  if [ "$(echo "$properties" | grep -c '^--tw-[a-z0-9-]*$')" != "$(wc -l < "$dir/$name.expected")" ]; then
    echo "$name.css: a property name is not of the form --tw-..."; failures=$((failures + 1)); continue
  fi
  echo "$name.css: $(wc -l < "$dir/$name.expected") custom properties read by chromium"
done
exit $((failures > 0))
