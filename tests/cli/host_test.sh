#!/usr/bin/env bash
# reqpad host end to end: the module loads through the loader and registers what the host
# lists, a drawing is made, saved, reopened and rendered, unbuilt commands say so in every
# language, and script errors stop with the line number and exit code 2.
set -uo pipefail
source "$(dirname "$0")/host_checks.sh" "$@"
here="$(cd "$(dirname "$0")" && pwd)"
export XDG_DATA_HOME=/data

out="$(run defaults)"
check "defaults list the registered table" test "$out" == "$(cat "$here/data/host_defaults.jsonl")"

out="$(run commands | head -1)"
check "commands are listed with their flags" test "$out" == '{"name":"TTOld","flags":33554432}'

run "new --sheet A3" "add record 1 B2 3" "add mark 60 180 90 210 1 4" "save $work/a.zdw" \
    "open $work/a.zdw" "render $work/a.svg" "objects" > "$work/out"
check "save, open and render" test -s "$work/a.svg" -a -s "$work/a.zdw"
check "objects survive the round trip" test "$(grep -c '"class"' "$work/out")" -eq 3
check "the sheet is A3 in millimetres" grep -q 'viewBox="0 0 420 297"' "$work/a.svg"


run "new --sheet A3" "param set 7109 abc"
status=$?
check "a bad value stops the script with exit 2" test $status -eq 2
check "the error names the line" grep -q 'script:2:' "$work/err"

run "new --sheet A4 --landscape"
check "a landscape A4 is refused" test $? -eq 2

run "new" "user point 10 20"
check "an unused user action is an error" test $? -eq 2

out="$(run "new" "user answer ok" "user click 1005" "user click 1023" "user click 1012" "user key Enter" \
    "user menu 32952" "user key F1" "user click 1055" "command DiviRuve")"
check "DiviRuve runs the calculator and asks for its help topic" \
    grep -q '{"event":"help","topic":"ZNS_HELP_DIGI_CALC"}' <<<"$out"
check "the calculator keeps its angle mode" grep -q 'CKLVBCalcDlg.Degrees' "$work/config/reqpad/settings.xml"

run "new" "user answer ok" "user click 1056" "command DiviRuve"
check "Insert is disabled in the host command's calculator" grep -q '1056' "$work/err"

run "new" "save $work/nofolder/x.zdw"
check "a save into a missing folder fails" test $? -eq 2

finish
