#!/bin/sh
# `reqpad rtf` end to end: text -> RTF -> text, the model round trip, split and append,
# and the refusals with exit 2.
set -eu
reqpad="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

printf 'Технические требования\n1. Сталь 45 ≤ 50\n2. второй\n' > "$work/in.txt"
"$reqpad" rtf --codepage 1251 from-text "$work/in.txt" > "$work/doc.rtf"
grep -q 'ansicpg1251' "$work/doc.rtf" || fail "from-text does not name the code page"
"$reqpad" rtf to-text "$work/doc.rtf" --codepage 1251 | cmp -s - "$work/in.txt" || fail "to-text after from-text"
"$reqpad" rtf to-text - < "$work/doc.rtf" | cmp -s - "$work/in.txt" || fail "to-text from standard input"
"$reqpad" rtf --codepage 1251 roundtrip "$work/doc.rtf" | cmp -s - "$work/doc.rtf" || fail "roundtrip changes our RTF"

printf '{\\rtf1\\pard\\znheader1 H\\par\\pard\\znheader0 1. a\\par\\pard 2. b}' > "$work/marked.rtf"
out="$("$reqpad" rtf split --headers "$work/marked.rtf")"
case "$out" in
'{"headers": 1, "pieces": ["{\\rtf1\\pard\\znheader1 H\\par}", '*) ;;
*) fail "split: $out" ;;
esac
[ "$("$reqpad" rtf split "$work/in.txt")" = '{"headers": 0, "pieces": []}' ] || fail "split of plain text"

printf '{\\rtf1\\pard a\\par}' > "$work/t.rtf"
printf '{\\rtf1\\pard\\pard b}' > "$work/s.rtf"
[ "$("$reqpad" rtf append "$work/t.rtf" "$work/s.rtf")" = '{\rtf1\pard a\par\pard b}' ] || fail "append"

for args in "to-text $work/missing.rtf" "roundtrip $work/in.txt" "to-text $work/in.txt" "append $work/t.rtf $work/missing"; do
    set +e
    # shellcheck disable=SC2086
    "$reqpad" rtf $args > /dev/null 2> "$work/err"
    rc=$?
    set -e
    [ "$rc" -eq 2 ] || fail "rtf $args exits $rc"
    [ -s "$work/err" ] || fail "rtf $args says nothing"
done
echo "rtf cli: ok"
