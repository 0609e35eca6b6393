#!/bin/sh
# `reqpad notebook` end to end: a notebook built from the command line, printed, edited,
# merged, imported into and exported from; bad files and paths exit 2 and change nothing.
set -eu
reqpad="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
fail() { echo "FAIL: $*" >&2; exit 1; }
nb() { "$reqpad" notebook "$@"; }
json() { python3 -c "import json,sys; d=json.load(sys.stdin); print($1)"; }

nb new "$work/a.ntb"
nb --codepage 1251 add-partition "$work/a.ntb" "Материалы"
printf 'Стали\n1. Сталь 45\n2. Сталь 40Х\n' > "$work/page.txt"
nb --codepage 1251 add-page "$work/a.ntb" "Материалы/Стали" --text "$work/page.txt"
printf 'Size\tPitch\nM6\t1\nM8\t1.25\n' > "$work/bolts.tsv"
nb --codepage 1251 add-table "$work/a.ntb" "Материалы/Болты" --tsv "$work/bolts.tsv"
nb --codepage 1251 cat "$work/a.ntb" "Материалы/Стали" | cmp -s - "$work/page.txt" || fail "cat of a text page"
nb --codepage 1251 cat "$work/a.ntb" "Материалы/Болты" | cmp -s - "$work/bolts.tsv" || fail "cat of a table"
# Names are single bytes of the code page in the file.
grep -q "$(printf '\314\340\362\345\360\350\340\353\373')" "$work/a.ntb" || fail "cp1251 name bytes"

tree="$(nb --codepage 1251 tree "$work/a.ntb")"
[ "$(printf "%s\n" "$tree" | json "[c['text'] for c in d['items'][0]['children']]")" = \
  "['Материалы', 'History', 'Find result']" ] || fail "tree: $tree"
[ "$(printf "%s\n" "$tree" | json "[(c['text'], c['type'], c['image']) for c in d['items'][0]['children'][0]['children']]")" = \
  "[('Стали', 2, 2), ('Болты', 3, 3)]" ] || fail "pages in order of type"
printf "%s\n" "$tree" | json "d['items'][0]['children'][0]['children'][1]['page']['text']" | grep '^Size|93	Pitch|93$' > /dev/null \
  || fail "table text with widths"

nb --codepage 1251 rename "$work/a.ntb" "Материалы/Болты" "Анкеры"
nb --codepage 1251 cat "$work/a.ntb" "Материалы/Анкеры" > /dev/null || fail "renamed page"
nb --codepage 1251 export "$work/a.ntb" "Материалы/Стали" --rtf "$work/steel.rtf"
grep -q 'ansicpg1251' "$work/steel.rtf" || fail "export writes RTF"

# Merging adds the other notebook's partitions, not its History.
nb new "$work/b.ntb"
nb add-partition "$work/b.ntb" "Extra"
nb --codepage 1251 merge "$work/a.ntb" "$work/b.ntb"
[ "$(nb --codepage 1251 tree "$work/a.ntb" | json "[c['text'] for c in d['items'][0]['children']]")" = \
  "['Extra', 'Материалы', 'History', 'Find result']" ] || fail "merge"
nb --codepage 1251 delete "$work/a.ntb" "Extra"

# Old notebooks.
printf "Reqpad DataBase file. // Don't change data manually!.\r\nOne //3\r\n// Data:\r\n1.x" > "$work/tt.dat"
nb import-text "$work/tt.dat" --into "$work/c.ntb" --partition "Old"
[ "$(nb cat "$work/c.ntb" "Old/One")" = "1. x" ] || fail "import-text makes items"
printf '\1\0\0\0\1\0\0\0\0\1\0\0\0\2\0\0\0P\0\0\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0\2\0\0\0T\0\1\0\0\0\1\0\0\0\2\0\0\0v\0\0\0\0\0' > "$work/old.tbl"
nb import-table "$work/old.tbl" --into "$work/c.ntb"
[ "$(nb cat "$work/c.ntb" "P/T")" = "$(printf '\nv')" ] || fail "import-table"

# Refusals: exit 2, a reason, and the notebook as it was.
cp "$work/a.ntb" "$work/before.ntb"
head -c 100 "$work/a.ntb" > "$work/cut.ntb"
printf 'not a notebook' > "$work/foreign.ntb"
for args in "tree $work/cut.ntb" "tree $work/foreign.ntb" "tree $work/missing.ntb" \
            "cat $work/a.ntb Nothing/here" "delete $work/a.ntb History" \
            "add-page $work/a.ntb Nowhere/p --text $work/page.txt" "merge $work/a.ntb $work/cut.ntb" \
            "add-partition $work/a.ntb Материалы/Стали/x"; do
    set +e
    # shellcheck disable=SC2086
    "$reqpad" notebook --codepage 1251 $args > /dev/null 2> "$work/err"
    rc=$?
    set -e
    [ "$rc" -eq 2 ] || fail "notebook $args exits $rc"
    [ -s "$work/err" ] || fail "notebook $args says nothing"
    cmp -s "$work/a.ntb" "$work/before.ntb" || fail "notebook $args changed the file"
done
nb tree "$work/foreign.ntb" 2>&1 >/dev/null | grep -q 'This file is not a notepad file.' || fail "foreign message"
nb tree "$work/cut.ntb" 2>&1 >/dev/null | grep -q 'The file ended before' || fail "truncated message"

# The window under a script: a partition added and named, a table deleted, closed with Yes.
nb new "$work/w.ntb"
nb add-partition "$work/w.ntb" Steels
printf '1. Stainless steels\n2. Use steel.\n3. Steel 45\n' > "$work/grades.txt"
nb add-page "$work/w.ntb" Steels/Grades --text "$work/grades.txt"
printf 'Name\tSize\nM6 steel\t6\n' > "$work/bolts.tsv"
nb add-table "$work/w.ntb" Bolts --tsv "$work/bolts.tsv"
[ "$(nb find "$work/w.ntb" steel --whole-word)" = "$(printf '2. Use steel.\n3. Steel 45\n1. M6 steel')" ] \
    || fail "find lists whole items and cells in tree order"
[ "$(nb find "$work/w.ntb" steel --whole-word --match-case)" = "$(printf '2. Use steel.\n1. M6 steel')" ] \
    || fail "find with match case"
[ "$(nb find "$work/w.ntb" zinc)" = "Cannot find the string." ] || fail "find without hits"
cat > "$work/ui.txt" <<'SCRIPT'
click 12050 "Notebook"
key Right
rclick 12050 "Steels"
menu 32828
type Alloys\n
rclick 12050 "Bolts"
menu 32820
answer yes
key Esc
answer yes
SCRIPT
nb ui "$work/w.ntb" --script "$work/ui.txt" || fail "ui script"
nb tree "$work/w.ntb" | json "[c['text'] for c in d['items'][0]['children']]" | grep -q "\['Steels', 'History', 'Find result'\]" \
    || fail "ui deleted Bolts"
nb tree "$work/w.ntb" | json "[c['text'] for c in d['items'][0]['children'][0]['children']]" | grep -q "\['Alloys', 'Grades'\]" \
    || fail "ui added Alloys"
# A table edited in the window and one added there read back through `cat` as the grid
# showed them.
nb new "$work/t.ntb"
printf 'Size\tPitch\nM6\t1\nM8\t1.25\n' > "$work/sizes.tsv"
nb add-table "$work/t.ntb" Sizes --tsv "$work/sizes.tsv"
cat > "$work/table.txt" <<'SCRIPT'
click 12050 "Notebook"
key Right
rclick 12050 "Notebook"
menu 32925
click 32954
key End
key Back
type 3
click 1
key F2
type Threads\n
click 12050 "Sizes"
rclick 12050 "Sizes"
menu 32821
click 32924 "1,2"
type 1.0\n
click 32924 "3,1"
type M10\n
click 32924 "1,1"
rclick 32924 "1,1"
menu 32928
click 1036
key End
type  (mm)
click 1
click 2
answer yes
SCRIPT
nb ui "$work/t.ntb" --script "$work/table.txt" || fail "table ui script"
[ "$(nb cat "$work/t.ntb" Sizes)" = "$(printf 'Size (mm)\tPitch\nM6\t1.0\nM8\t1.25\nM10\t')" ] \
    || fail "cat shows the table edited in the window: $(nb cat "$work/t.ntb" Sizes)"
[ "$(nb cat "$work/t.ntb" Threads | head -n 2)" = "$(printf '\t\t\n\t\t')" ] \
    || fail "a table added in the window has its columns"
[ "$(nb cat "$work/t.ntb" Threads | wc -l)" -eq 6 ] || fail "a table added in the window has 5 rows"

printf 'click 12050 "Notebook"\n' > "$work/short.txt"
set +e
nb ui "$work/w.ntb" --script "$work/short.txt" 2> "$work/err"
rc=$?
set -e
[ "$rc" -eq 2 ] && grep -q 'script' "$work/err" || fail "a script that ends early exits 2"
echo "notebook cli: ok"
