#!/bin/sh
# reqpad resources: sorted ID<TAB>TEXT lines with escapes, each language set, dialogs,
# menus, bitmaps and cursors, and a clear refusal of a wrong language.
set -eu
reqpad="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$reqpad" resources strings > /tmp/reqpad-strings.$$
trap 'rm -f /tmp/reqpad-strings.$$' EXIT
cut -f1 /tmp/reqpad-strings.$$ | sort -n -c || fail "strings are not sorted by id"
grep -qx "$(printf '3\tSome objects linked with technical conditions do not exist anymore.\\\\nLinks will be dropped.')" \
  /tmp/reqpad-strings.$$ || fail "line feed not written as \\n"
"$reqpad" resources strings --lang 1049 | grep -qx "$(printf '32844\tТехнические требования')" || fail "Russian strings"
"$reqpad" resources strings --lang 3082 | grep -qx "$(printf '57713\tEntrada no válida para la función')" || fail "Spanish strings"
"$reqpad" resources menus --lang 1033 | grep -qx "$(printf 'ITEM\t32771\tCopy\\\\tCtrl+C')" || fail "tab not written as \\t"
"$reqpad" resources dialogs | grep -q "$(printf '^DIALOG\t12000\t0 0 316 202\t')" || fail "editor dialog"
"$reqpad" resources bitmaps | grep -qx "$(printf 'BITMAP\t12044\t96x15\t6')" || fail "tree image strip"
"$reqpad" resources bitmaps | grep -qx "$(printf 'IMAGE\t227\t16x16')" || fail "toolbar image"
"$reqpad" resources cursors | grep -qx "$(printf 'CURSOR\t9150\t32x32\t0 0')" || fail "page-view cursor"
if "$reqpad" resources strings --lang 1031 2>/dev/null; then fail "an unknown language was accepted"; fi
if "$reqpad" resources pictures 2>/dev/null; then fail "an unknown kind was accepted"; fi
echo ok
