"""Chromium must read every rgb(), hsl() and oklch() text the program writes as the colour it was written for
(within one step per channel, for its own rounding), and give every named colour keyword the program's colour.

Each text is painted on a one-pixel canvas and the pixel read back; CSS.supports tells whether Chromium took the
text at all. Usage: check_color_texts.py FOLDER (holding texts.txt and names.txt from tw_write_color_texts)."""
import json
import os
import subprocess
import sys

folder = sys.argv[1]
texts = [line.split("\t") for line in open(os.path.join(folder, "texts.txt")).read().splitlines()]
names = [line.split("\t") for line in open(os.path.join(folder, "names.txt")).read().splitlines()]
probes = [t for row in texts for t in row[1:]] + [name for name, _ in names]

page = os.path.join(folder, "texts.html")
with open(page, "w") as f:
    f.write("""<!DOCTYPE html><html><body><pre id="out"></pre><script>
const probes = %s;
const ctx = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
const out = probes.map((text) => {
  if (!CSS.supports('color', text)) return null;
  ctx.clearRect(0, 0, 1, 1);
  ctx.fillStyle = text;
  ctx.fillRect(0, 0, 1, 1);
  return Array.from(ctx.getImageData(0, 0, 1, 1).data.slice(0, 3));
});
document.getElementById('out').textContent = JSON.stringify(out);
</script></body></html>""" % json.dumps(probes))

dom = subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--dump-dom", "file://" + page],
                     capture_output=True, text=True, timeout=90, env=dict(os.environ, HOME=folder)).stdout
start = dom.find('<pre id="out">')
if start < 0:
    sys.exit("chromium printed no result")
read = dict(zip(probes, json.loads(dom[start + len('<pre id="out">'):dom.index("</pre>", start)])))


def channels(hex6):
    return [int(hex6[i:i + 2], 16) for i in (0, 2, 4)]


failures = []
worst = {"rgb": 0, "hsl": 0, "oklch": 0}
for row in texts:
    expected = channels(row[0])
    for text in row[1:]:
        got = read[text]
        if got is None:
            failures.append("%s: chromium does not take it as a colour" % text)
            continue
        step = max(abs(a - b) for a, b in zip(got, expected))
        kind = text.split("(")[0]
        worst[kind] = max(worst[kind], step)
        if step > 1:
            failures.append("%s: chromium paints %s, written for #%s" % (text, got, row[0]))
for name, hex6 in names:
    if read[name] != channels(hex6):
        failures.append("%s: chromium paints %s, the program says #%s" % (name, read[name], hex6))

for failure in failures[:20]:
    print(failure)
print("%d colours in three texts and %d keywords read by chromium; largest step per channel: %s"
      % (len(texts), len(names), ", ".join("%s %d" % kv for kv in worst.items())))
sys.exit(1 if failures else 0)
