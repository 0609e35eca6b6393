#!/usr/bin/env bash
# reqpad host export: a sheet with a frame, title block, views, a position mark, a
# single-line text and a two-column requirements text (partly Cyrillic) goes out as DXF and
# PDF. A DXF reader finds each column as one MTEXT holding the lines of our layout, on the
# object's layer (the default layer the drawing's parameter names), at its height; the PDF is A3 at true size and its text holds every item.
set -uo pipefail
source "$(dirname "$0")/host_checks.sh" "$@"

{
  echo "Технические требования"
  for i in $(seq 1 30); do
    if [ $((i % 3)) -eq 0 ]; then
      echo "$i. Неуказанные предельные отклонения размеров: H14, h14, ±IT14/2 (пункт $i)."
    else
      echo "$i. Requirement number $i for the part {Ra 3.2\\}, written long enough to wrap at the column width."
    fi
  done
} > "$work/req.txt"

run "new --sheet A3" "add view 40 170 160 280 A" "add mark 70 200 110 235 1 6" \
    "add text 40 160 5 \"Single line\"" "param set 7109 3.5" "param set 7121 5" \
    "param set 7124 Требования-TT" \
    "tt new --mode 2 --content $work/req.txt" "tt place last 0" "objects" "tt info all" \
    "render $work/sheet.svg" "export $work/sheet.dxf" "export $work/sheet.pdf" > "$work/out"
check "the script ran" test $? -eq 0
grep '"mode"' "$work/out" > "$work/info.json"
grep '"class"' "$work/out" > "$work/objects.json"

# ezdxf comes from Debian, so it is the system Python that has it.
/usr/bin/python3 - "$work" > "$work/dxf.out" 2>&1 <<'PY'
import json, re, sys
from ezdxf import recover
work = sys.argv[1]
# The reader that decodes the \U+XXXX escapes of texts in pre-2007 files.
doc, auditor = recover.readfile(f"{work}/sheet.dxf")
msp = doc.modelspace()
info = json.loads(open(f"{work}/info.json").readline())
layer = json.loads(open(f"{work}/objects.json").readlines()[-1])["layer"]
svg = [re.sub(r"&amp;", "&", t) for t in re.findall(r"<text[^>]*>([^<]*)</text>", open(f"{work}/sheet.svg").read())]
mtexts = list(msp.query("MTEXT"))
def lines(m):
    return m.plain_text(split=True)
def words(text):
    return text.split()
ok = True
def expect(name, cond):
    global ok
    if not cond:
        ok = False
        print("FAILED:", name)
expect("nothing to repair", not auditor.has_errors)
expect("one MTEXT per column text", len(mtexts) == len(info["columnTexts"]))
for index, column in enumerate(info["columnTexts"]):
    found = [m for m in mtexts if words(" ".join(lines(m))) == words(column)]
    expect("the column's words", len(found) == 1)
    for m in found:
        expect("lines as laid out", all(l in svg for l in lines(m)))
        expect("several lines", len(lines(m)) > 1 or "\n" not in column)
        expect("no width to wrap at", m.dxf.get("width", 0) == 0)
        expect("the height", m.dxf.char_height == (5 if index == info["headerIndex"] else 3.5))
        expect("the layer", m.dxf.layer == layer == "Требования-TT")
        family = doc.styles.get(m.dxf.style).get_extended_font_data()[0]
        expect("the drafting font's style", family in ("osifont", "DejaVu Sans"))
expect("the layer is in the table", "Требования-TT" in doc.layers)
expect("the other objects stay on layer 0", all(t.dxf.layer == "0" for t in msp.query("TEXT")))
expect("the Cyrillic header", any("Технические требования" in lines(m) for m in mtexts))
expect("a Cyrillic item", any(l.startswith("3. Неуказанные") for m in mtexts for l in lines(m)))
texts = [t.dxf.text for t in msp.query("TEXT")]
expect("the single-line text", "Single line" in texts)
expect("the view label", "A" in texts)
frame = [(round(x), round(y)) for p in msp.query("LWPOLYLINE") for x, y, *_ in p.get_points()]
expect("the frame", all(c in frame for c in [(20, 5), (415, 5), (415, 292), (20, 292)]))
expect("thick frame", any(p.dxf.get("lineweight", -1) == 70 for p in msp.query("LWPOLYLINE")))
print("ok" if ok else "bad")
PY
check "the DXF reads back" grep -qx ok "$work/dxf.out"
grep -qx ok "$work/dxf.out" || cat "$work/dxf.out"

check "the PDF is A3 at true size" grep -q "Page size: *1190.55 x 841.89 pts (A3)" <(pdfinfo "$work/sheet.pdf")
check "the drafting font is embedded" grep -qE "osifont|DejaVu.* yes" <(pdffonts "$work/sheet.pdf")
pdftotext "$work/sheet.pdf" "$work/sheet.txt"
missing=0
while IFS= read -r line; do
  grep -qF -- "$line" "$work/sheet.txt" || { missing=1; echo "not in the PDF: $line"; }
done < <(python3 -c 'import json,sys
for c in json.loads(open(sys.argv[1]).readline())["columnTexts"]:
    for p in c.split("\n"): print(p.split()[0] + " " + p.split()[1])' "$work/info.json")
check "the PDF's text holds every item" test $missing -eq 0
check "the PDF's text holds the Cyrillic" grep -q "Неуказанные предельные" "$work/sheet.txt"

run "new --sheet A4 --scale 2" "export $work/scaled.pdf"
check "a scaled sheet still prints at true size" \
  grep -q "Page size: *595.276 x 841.89 pts (A4)" <(pdfinfo "$work/scaled.pdf")

run "new --sheet A3" "export $work/sheet.png"
check "another extension is refused" test $? -eq 2
check "and says what export writes" grep -q "export writes FILE.dxf or FILE.pdf" "$work/err"
check "a refused export writes nothing" test ! -e "$work/sheet.png"
run "new --sheet A3" "export $work/missing/sheet.dxf"
check "an unwritable file is an error" test $? -eq 2

finish
