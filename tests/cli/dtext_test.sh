#!/usr/bin/env bash
# reqpad host drives "DText" and "FormEdit" with user lines: single-line texts made line
# after line, listed by `text`, the dialog's state kept in the settings for the next run,
# a cancelled pick that makes nothing, and the input form answered by the user.
set -uo pipefail
source "$(dirname "$0")/host_checks.sh" "$@"
export XDG_DATA_HOME=/data

out="$(run "new --sheet A3" "user type Hello" "user click 32931" "user point 100 50" \
           "user point 200 50" "user type World" "user click 32931" "user click 2" \
           "command DText" "text")"
check "two lines, the second one interval lower" test "$out" == \
'{"id":4,"text":"Hello","style":"Standard","origin":[100.0,50.0,0.0],"direction":[1.0,0.0,0.0],"align":[0,2],"width":0.0,"height":5.0,"oblique":0.0,"color":16711680}
{"id":5,"text":"World","style":"Standard","origin":[100.0,41.7,0.0],"direction":[1.0,0.0,0.0],"align":[0,2],"width":0.0,"height":5.0,"oblique":0.0,"color":16711680}'

out="$(run "new --sheet A3" "user click 1" "user point 0 0" "user point 0 10" "command DText" "text")"
check "the next run starts from the stored text" grep -q '"text":"World"' <<<"$out"
check "the angle comes from the pick" grep -q '"direction":\[0.0,1.0,0.0\]' <<<"$out"
check "the settings section is written" grep -q 'ZnDTextDlg' "$work/config/reqpad/settings.xml"

out="$(run "new --sheet A3" "user click 32931" "user pick cancel" "user click 2" "command DText" "text")"
check "a cancelled pick makes nothing" test -z "$out"

run "new" "command DText"
check "a dialog with no user action stops the script" test $? -eq 2

out="$(run "new" "user type Form text" "user key Enter" "command FormEdit" "calls")"
check "FormEdit reaches the input form" grep -q 'VornCtl.dll ZNSInputFormDlg' <<<"$out"

finish
