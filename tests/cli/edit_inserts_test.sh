#!/bin/sh
# `reqpad edit` inserts end to end: each insert command with its picker answered (or
# cancelled) by the scripted user, references on load, export without tags, host multiline
# text with its link list.
set -eu
reqpad="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

printf '1. Steel\n2. Iron\n' > "$work/a.txt"
# Records 4 (position 3, zone B2) and 5 (no number); view 6 carries its designation.
printf 'new\nadd record 3 B2 1\nadd record 0\nadd view 10 10 50 50 A\next 6 "TT info" "view A"\n' \
    > "$work/drawing.host"
edit() { "$reqpad" edit --host "$work/drawing.host" --content "$work/a.txt" "$@" | grep -v '^{"id"'; }
tab="$(printf '\t')"

out="$(edit --allow 8 --do "select 8 8" --do "command 32807" --do "record 4" --do "command 32807" \
    --do "record 5" --print text --print links)"
[ "$out" = "$(printf '1. Steel pos. 3 (zone B2) pos.   \n2. Iron\n4\tpos. 3 (zone B2)\n5\tpos. ')" ] \
    || fail "positions: $out"
edit --allow 8 --do "select 8 8" --do "command 32807" --do "record 4" --print runs \
    | grep -q "^pos. 3 (zone B2)${tab}imprint,link${tab}200${tab}0$" || fail "reference runs"

# A click inside a reference selects all of it; a mouse selection into it takes it whole.
out="$(edit --allow 8 --do "select 8 8" --do "command 32807" --do "record 4" --do "click 12014 @30" \
    --print selection)"
[ "$out" = "9 49" ] || fail "click in a reference: $out"
out="$(edit --allow 8 --do "select 8 8" --do "command 32807" --do "record 4" --do "drag 12014 @5 @30" \
    --print selection)"
[ "$out" = "5 49" ] || fail "drag into a reference: $out"

out="$(edit --allow 8 --do "select 8 8" --do "command 32807" --do "pick cancel" --print text --print modified)"
[ "$out" = "$(printf '1. Steel\n2. Iron\n0')" ] || fail "cancelled position: $out"

# A material with a name only: the name and a blank, nothing raised or lowered.
out="$(edit --allow 20 --do "select 8 8" --do "command 32811" --do "material Steel 45" --print runs)"
[ "$out" = "$(printf '1. \tbold,protected\t200\t0\nSteelSteel 45 \t-\t200\t0\n2. \tbold,protected\t200\t0\nIron\t-\t200\t0')" ] \
    || fail "material name: $out"
out="$(edit --allow 20 --do "select 3 8" --do "command 32811" --do "material |1050|4543" --print runs)"
[ "$out" = "$(printf '1. \tbold,protected\t200\t0\n1050\t-\t150\t88\n4543\t-\t150\t-88\n2. \tbold,protected\t200\t0\nIron\t-\t200\t0')" ] \
    || fail "material fraction: $out"

# Picking again over part of a designation starts from it and replaces all of it; a cancel
# leaves the selection as it was.
designation='--do "select 8 8" --do "command 32811" --do "material Steel|GOST 1050|GOST 4543"'
out="$(eval edit --allow 20 "$designation" --do '"select 8 20"' --do '"command 32811"' \
    --do '"pick cancel"' --print selection)"
[ "$out" = "8 20" ] || fail "cancelled material: $out"
out="$(eval edit --allow 20 "$designation" --do '"select 8 20"' --do '"command 32811"' \
    --do '"material Iron|1|2"' --print text)"
[ "$out" = "$(printf '1. SteelIron 1|2\n2. Iron')" ] || fail "material again: $out"

out="$(edit --allow 40 --do "select 8 8" --do "command 32806" --do "fit H7|+0,025|0" --print runs)"
[ "$out" = "$(printf '1. \tbold,protected\t200\t0\nSteelH7 \t-\t200\t0\n+0,025\t-\t150\t88\n0\t-\t150\t-88\n2. \tbold,protected\t200\t0\nIron\t-\t200\t0')" ] \
    || fail "tolerance: $out"

out="$(edit --allow 80 --do "select 8 8" --do "command 32804" --do "click 12054" --do "type 3" \
    --do "click 12057" --do "type 4" --do "click 1" --print text)"
[ "$out" = "$(printf '1. Steel3|4\n2. Iron')" ] || fail "fraction: $out"

out="$(edit --allow 200 --do "select 8 8" --do "command 32803" --do "symbol %%c" --print text)"
[ "$out" = "$(printf '1. Steel\321\234\n2. Iron')" ] || fail "symbol: $out"

out="$(edit --allow 10 --do "select 8 8" --do "command 32809" --do "object 6" --print runs)"
echo "$out" | grep -q "^view A${tab}link${tab}200${tab}0$" || fail "view: $out"

# An insert that is not allowed asks nobody: the picker answer is left over (exit 2).
set +e
"$reqpad" edit --host "$work/drawing.host" --content "$work/a.txt" --allow 0 --do "select 8 8" \
    --do "command 32807" --do "record 4" > /dev/null 2> "$work/err"
rc=$?
set -e
[ "$rc" -eq 2 ] || fail "a disallowed insert exits $rc"
grep -q "record 4" "$work/err" || fail "the refusal names the left-over answer"

# Export: a warning, then RTF without tags; the control keeps its reference.
edit --allow 8 --do "select 8 8" --do "command 32807" --do "record 4" --do "command 57604" \
    --do "answer ok" --do "file $work/out.rtf" --print tagged > "$work/tagged"
grep -q "spcref" "$work/tagged" || fail "the control lost its reference"
grep -q "spcref" "$work/out.rtf" && fail "exported tags"
[ "$("$reqpad" rtf to-text "$work/out.rtf")" = "$(printf '1. Steel pos. 3 (zone B2) \n2. Iron')" ] \
    || fail "exported text"

# Host multiline text: the reference span takes the first link, the stack is raised and lowered.
printf '1. See \\H1.02x;x\\H0.98x; and \\S1/2;\\P2. %%%%c10' > "$work/m.txt"
printf '4\tpos. 3\n9\tsurplus\n' > "$work/links.tsv"
out="$("$reqpad" edit --host "$work/drawing.host" --content "$work/m.txt" --kind 1 \
    --links "$work/links.tsv" --print text --print links | grep -v '^{"id"')"
[ "$out" = "$(printf '1. See pos. 3 and 1|2\n2. \321\23410\n4\tpos. 3')" ] || fail "multiline: $out"
echo "edit inserts cli: ok"
