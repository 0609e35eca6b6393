#!/usr/bin/env bash
# End-to-end checks of `reqpad calc` as a user runs it: printed text and exit codes.
set -u
reqpad="$1"
failures=0
passes=0

check() { # check NAME EXPECTED-OUTPUT EXPECTED-EXIT -- ARGS...
    local name="$1" expected="$2" code="$3"; shift 4
    local out rc
    out="$("$reqpad" "$@" 2>/dev/null)"; rc=$?
    if [ "$out" == "$expected" ] && [ "$rc" == "$code" ]; then
        passes=$((passes + 1))
    else
        failures=$((failures + 1))
        printf 'FAIL %s: got [%s] exit %s, expected [%s] exit %s\n' "$name" "$out" "$rc" "$expected" "$code"
    fi
}

tab=$'\t'
check expression "14." 0 -- calc '2*(3+4)'
check invalid "Invalid input for function" 0 -- calc '8/0'
check degrees-default "1." 0 -- calc 'sin(90)'
check radians "0.893997" 0 -- calc --rad 'sin(90)'
check precision "0.33" 0 -- calc --precision 2 '1/3'
check raw "8${tab}0${tab} Divide by zero!" 0 -- calc --raw '8/0'
check raw-position "2${tab}2${tab}Error found on position 2!" 0 -- calc --raw '2)'
check raw-x "6${tab}0${tab}" 0 -- calc --raw --x 3 'x*2'
check raw-tiny-x "1.1754943508222875e-38${tab}0${tab}" 0 -- calc --raw 'X'
check raw-no-normalise "1${tab}2${tab}Error found on position 2!" 0 -- calc --raw --no-normalise '1,5*2'
check raw-degrees "0.49999999999999994${tab}0${tab}" 0 -- calc --raw --deg 'sin(30)'
check keys "14." 0 -- calc --keys '2 + 3 * 4 ='
check keys-precision "0.33" 0 -- calc --precision 2 --keys '1 / 3 ='
check keys-paste "-1234.5" 0 -- calc --keys 'paste:-1%20234,5%20mm'
check beyond-integer-range "9999999999999.5" 0 -- calc '9999999999999.5'
check keys-failed-level "6." 0 -- calc --keys '2 * ( 1 / 0 ) CE 3 ='
check keys-failed-equals "6." 0 -- calc --keys '2 * ( 1 / 0 = CE 3 ) ='
check keys-sign-at-start "0." 0 -- calc --keys '+/-'
check keys-keyboard-point "12.5" 0 -- calc --keys '12 . 5'
check units "2000." 0 -- calc --keys '2 =' --unit metre --unit millimetre
check units-expression "25.4" 0 -- calc '1' --unit inch --unit millimetre

batch="$(printf '1+1\n8/0\n\n2^10\n' | "$reqpad" calc --raw -)"
expected="2${tab}0${tab}
8${tab}0${tab} Divide by zero!
0${tab}0${tab}
1024${tab}0${tab}"
if [ "$batch" == "$expected" ]; then passes=$((passes + 1)); else failures=$((failures + 1)); echo "FAIL batch: [$batch]"; fi
batch="$(printf '2*(3+4)\n1/0\n' | "$reqpad" calc -)"
if [ "$batch" == $'14.\nInvalid input for function' ]; then passes=$((passes + 1)); else failures=$((failures + 1)); echo "FAIL batch-display: [$batch]"; fi

ui="$(mktemp -d)"
trap 'rm -rf "$ui"' EXIT
printf 'click 1005\nclick 1023\nclick 1012\nclick 1021\nclick 1009\nclick 1028\nclick 1055\n' > "$ui/keypad"
check ui-keypad "14" 0 -- calc --ui --script "$ui/keypad"
printf 'menu 32959\ntype sin(90)\nkey Enter\nclick 1055\n' > "$ui/expression"
check ui-expression "1" 0 -- calc --ui --script "$ui/expression"
printf 'key 2\nkey Enter\nclick 32988\nmenu 35001\nclick 32988\nmenu 35002\nclick 1055\n' > "$ui/units"
check ui-units "2000" 0 -- calc --ui --script "$ui/units"
printf 'click 1005\n' > "$ui/unfinished"
check ui-script-ends-early "" 2 -- calc --ui --script "$ui/unfinished"
check ui-missing-script "" 2 -- calc --ui --script "$ui/none"
check ui-with-formula "" 2 -- calc --ui '1+1'

check bad-precision "" 2 -- calc --precision 7 '1'
check bad-key "" 2 -- calc --keys '2 % 3'
check bad-unit "" 2 -- calc --keys '2' --unit parsec
check bad-measures "" 2 -- calc --keys '2' --measures /nonexistent.xml --unit metre
check raw-with-keys "" 2 -- calc --raw --keys '1'
check no-formula "" 2 -- calc </dev/null
check x-without-raw "" 2 -- calc --x 2 'x'

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
