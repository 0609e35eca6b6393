#!/usr/bin/env bash
# The notebook as a host script's user reaches it from the other dialogs: Tools > Notepad
# in the requirements editor and the Notebook button of "DText", with the default
# notebook named by the drawing's parameter 7115.
set -uo pipefail
source "$(dirname "$0")/host_checks.sh" "$@"

book="$work/book.ntb"
printf '1. Steel 45\n' > "$work/page.txt"
"$reqpad" notebook new "$book" > /dev/null
"$reqpad" notebook add-page "$book" "Grades" --text "$work/page.txt" > /dev/null
notebook="param set 7115 \"$book|ntb|Notebook files(*.ntb)|*.ntb||\""

out="$(run "new --sheet A3" "$notebook" "user type Hard" "user menu 32801" \
    "user click 12050 \"Notebook\"" "user key Right" "user click 12050 \"Grades\"" \
    "user dblclick 12014 @2" "user click 2" "user click 1" "command TTOld" "tt info all")"
check "Notepad's transfer becomes an item of the requirements" \
    grep -q '"columnTexts":\["1. Hard\\n2. Steel 45"\]' <<<"$out"

out="$(run "new --sheet A3" "$notebook" "user click 32801" "user click 12050 \"Notebook\"" \
    "user key Right" "user click 12050 \"Grades\"" "user dblclick 12014 @2" \
    "user click 32931" "user point 10 10" "user point 20 10" "user click 2" "command DText" "text")"
check "DText's Notebook button puts the transfer into the text line" \
    grep -q '"text":"1. Steel 45"' <<<"$out"

run "new" "$notebook" "user click 32801" "user click 12050 \"Nowhere\"" "user click 2" "command DText"
check "a page the notebook does not have stops the script" test $? -eq 2

finish
