#!/bin/sh
# `reqpad edit` end to end: loading, keys and commands on the control, renumbering with
# referenced items, the content taken out, and the refusals with exit 2.
set -eu
reqpad="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

printf 'Title\n1. first\n2. second\nmore\n3. third\n' > "$work/a.txt"

# Deleting item 1 renumbers the rest: the referenced item that is left shows its asterisk
# and resolves to its new number, the deleted one to 0.
out="$("$reqpad" edit --content "$work/a.txt" --referenced 2,1 --do "select 9 9" \
    --do "key Ctrl+Delete" --print text --print referenced --print modified)"
[ "$out" = "$(printf 'Title\n1.* second\nmore\n2. third\n1,0\n1')" ] || fail "delete item: $out"

# Backspace over a number asks; No keeps the text, and the answer must be there.
out="$("$reqpad" edit --content "$work/a.txt" --do "select 9 9" --do "key Back" --do "answer no" --print text)"
[ "$out" = "$(printf 'Title\n1. first\n2. second\nmore\n3. third')" ] || fail "answer no: $out"

# Enter at the end of an item adds the next one; typing goes behind its number.
out="$("$reqpad" edit --content "$work/a.txt" --do "select 14 14" --do "key Enter" --do "type new" \
    --print text --print selection)"
[ "$out" = "$(printf 'Title\n1. first\n2. new\n3. second\nmore\n4. third\n21 21')" ] || fail "enter: $out"

# Commands as the dialog sends them: move item 1 down, then undo and redo it.
out="$("$reqpad" edit --content "$work/a.txt" --do "select 9 9" --do "command 32814" --print text)"
[ "$out" = "$(printf 'Title\n1. second\nmore\n2. first\n3. third')" ] || fail "move down: $out"
out="$("$reqpad" edit --content "$work/a.txt" --do "select 9 9" --do "command 32814" \
    --do "command 40139" --print text)"
[ "$out" = "$(cat "$work/a.txt")" ] || fail "undo: $out"

# Numbers are bold and protected runs; the RTF taken out loads again to the same text.
"$reqpad" edit --content "$work/a.txt" --print runs | grep -q "$(printf '^2\\. \tbold,protected\t200\t0$')" \
    || fail "runs"
"$reqpad" edit --content "$work/a.txt" --print rtf > "$work/a.rtf"
out="$("$reqpad" edit --content "$work/a.rtf" --kind 2 --print text --print modified)"
[ "$out" = "$(printf 'Title\n1. first\n2. second\nmore\n3. third\n0')" ] || fail "rtf round trip: $out"

# Refusals: an unanswered question, an answer nobody asked for, a missing or wrong file.
for args in "--do key_Back_at_9" "--do answer_yes" "--content $work/missing.txt" \
    "--content $work/a.txt --kind 2" "--content $work/a.rtf --kind 0" "--do select_x_y"; do
    set +e
    # shellcheck disable=SC2046
    case "$args" in
    --do\ key_Back_at_9) "$reqpad" edit --content "$work/a.txt" --do "select 9 9" --do "key Back" > /dev/null 2> "$work/err" ;;
    --do\ answer_yes) "$reqpad" edit --content "$work/a.txt" --do "answer yes" > /dev/null 2> "$work/err" ;;
    --do\ select_x_y) "$reqpad" edit --do "select x y" > /dev/null 2> "$work/err" ;;
    *) "$reqpad" edit $args > /dev/null 2> "$work/err" ;;
    esac
    rc=$?
    set -e
    [ "$rc" -eq 2 ] || fail "edit $args exits $rc"
    [ -s "$work/err" ] || fail "edit $args says nothing"
done
grep -q "Delete item" "$work/err" && fail "the last refusal names the wrong thing"
echo "edit cli: ok"
