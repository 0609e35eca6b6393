#!/usr/bin/env bash
# reqpad host tt end to end: a long requirements text placed automatically above the title
# block flows into a second column left of the first with nothing lost or repeated, survives
# save and open, renders wrapped at the column width, and answers the automation commands;
# bad arguments stop the script with exit code 2.
set -uo pipefail
source "$(dirname "$0")/host_checks.sh" "$@"
json() { python3 -c "import json,sys; d=json.loads(sys.stdin.readline()); print($1)"; }

{
  echo "Technical requirements"
  for i in $(seq 1 60); do
    echo "$i. Requirement number $i for the part, written long enough to wrap at the column width of the sheet."
  done
} > "$work/req.txt"

run "new --sheet A3" "add view 300 200 340 240 A" "tt new --mode 2 --content $work/req.txt" "tt place last 0" \
    "save $work/tt.zdw" "open $work/tt.zdw" "tt info all" "render $work/tt.svg" > "$work/out"
info="$(grep '"mode"' "$work/out")"
check "one requirements object after the round trip" test "$(wc -l <<<"$info")" -eq 1
check "two columns" test "$(json 'len(d["columns"])' <<<"$info")" -eq 2
check "the second column stands left of the first" \
  test "$(json 'd["columns"][1]["second"][0] <= d["columns"][0]["first"][0]' <<<"$info")" == True
check "the first column is inset 5 from the title block and lowered under the view" \
  test "$(json 'd["columns"][0]["first"][:2]' <<<"$info")" == "[235.0, 200.0]"
check "the first column stands 10 above the title block" \
  test "$(json 'd["columns"][0]["second"][1]' <<<"$info")" == "70.0"
check "the header has a column text of its own" \
  test "$(json '(d["headerIndex"], d["headerCount"], d["columnTexts"][0])' <<<"$info")" == "(0, 1, 'Technical requirements')"
joined="$(json '"\n".join(d["columnTexts"][1:])' <<<"$info")"
check "every item once and in order" test "$joined" == "$(tail -n +2 "$work/req.txt")"
check "the SVG wraps the items at the column width" \
  grep -q '>1. Requirement number 1 for the part, written long enough to wrap at the column width of the<' \
  "$work/tt.svg"
check "the wrapped rest of an item follows on its own line" grep -q '>sheet.<' "$work/tt.svg"
check "the SVG uses the drafting font" grep -q 'font-family="osifont"' "$work/tt.svg"

run "new --sheet A3" "tt new --mode 3 --content $work/req.txt" "tt layout last 100 200 200 100" "tt info last" \
    "tt prop last \"Text height\" 3.5" "tt prop last \"Text height\"" "tt prop last Name" "tt prop last Text1" \
    "tt grips last" "tt move-grips last 500 0 0" "tt move-grips last --all 10 0 0 1 2 3" \
    "tt move-grips last --all 10 0 0 1 2 3 4 5 6 7" "tt notify last 0x20" "tt notify last 0x40" > "$work/out"
check "a layout from two points is kind 4 hanging from the top" \
  test "$(grep '"mode"' "$work/out" | json '(d["placeKind"], d["columns"][0]["anchor"])')" == "(4, 0)"
check "properties are read and set" grep -qx '{"name":"Text height","value":3.5}' "$work/out"
check "the name of technical parameters" grep -qx '{"name":"Name","value":"Technical parameters"}' "$work/out"
check "grips come four per column" \
  grep -qx '{"grips":\[\[100.0,200.0,0.0\],\[200.0,100.0,0.0\],\[100.0,100.0,0.0\],\[200.0,200.0,0.0\]\]}' "$work/out"
check "moving the whole object needs every grip" \
  test "$(grep -c '"status"' "$work/out")-$(grep -c '0x80004001' "$work/out")" == "3-1"

run "new --sheet A3" "tt new --mode 2 --content $work/req.txt" "user keyword Corner" "user point 300 150" \
    "tt place last 3" "tt info last" > "$work/out"
check "asked placement takes a keyword and then a corner" \
  test "$(grep '"mode"' "$work/out" | json '(d["placeKind"], d["columns"][0]["first"][:2], d["columns"][0]["second"][:2])')" \
  == "(2, [300.0, 150.0], [410.0, 70.0])"
run "new --sheet A3" "tt new --mode 3 --content $work/req.txt" "tt place last 0" "tt info last" > "$work/out"
check "technical parameters hang from the top of the format's column" \
  test "$(grep '"mode"' "$work/out" | json '(d["format"], d["columns"][0]["anchor"], d["columns"][0]["first"][1])')" \
  == "(3, 0, 292.0)"

run "new --sheet A3 --scale 2" "tt new --mode 2 --content $work/req.txt" "user pick cancel" \
    "tt place last 1" "objects" "tt new --mode 2 --content $work/req.txt" "tt place last 0" \
    "tt info last" "render $work/scaled.svg" > "$work/out"
check "a cancelled placement takes the new object out of the drawing" \
  test "$(grep -c '"class"' "$work/out")" -eq 1
check "at scale 2 the first column doubles its frame and insets" \
  test "$(grep '"mode"' "$work/out" | json '(d["columns"][0]["first"][:2], d["columns"][0]["second"][:2])')" \
  == "([470.0, 584.0], [820.0, 140.0])"
check "at scale 2 the sheet renders twice as large" grep -q 'viewBox="0 0 840 594"' "$work/scaled.svg"

run "new" "tt info 3"
check "a format is not a requirements object" grep -q "not a requirements object" "$work/err"
run "new" "tt place last 0"
check "last before tt new is an error" test $? -eq 2
run "new" "tt new --mode 7 --content $work/req.txt"
check "a mode out of range is refused" grep -q "usage: tt new" "$work/err"
run "new" "tt new --mode 2 --content $work/missing.txt"
check "a missing content file is refused" grep -q "cannot read" "$work/err"

# TTOld written by the scripted user; a referring view follows the deletion of an item.
run "new --sheet A3" "add view 300 200 340 240 A" "user type first\\nsecond\\nthird" "user click 1" \
    "command TTOld" "ext 4 \"TT item\" --integer 3" "tt delete-item 5 1" "tt delete-item 5 7" \
    "ext 4 \"TT item\"" "tt info 5" > "$work/out"
check "TTOld made and placed a text" grep -q '"columnTexts":\["1. second\\n2. third"\]' "$work/out"
check "an item is deleted, an absent one is not" \
  test "$(grep -c '"result"' "$work/out") $(grep -c '{"result":1}' "$work/out")" == "2 1"
check "the view refers to the renumbered item" grep -qx 2 "$work/out"
run "new --sheet A3" "user click 2" "command TTOld" "objects" "user click 1" "command TTOld" "objects" \
    > "$work/out"
check "a cancelled TTOld leaves no text, an accepted one does" \
  test "$(grep -c '00000001-0013-AAAA' "$work/out")" -eq 1
run "new" "user click 1" "command TTOld" "user click 1" > "$work/out"
check "an action nobody asks for stops the script" test $? -eq 2

finish
