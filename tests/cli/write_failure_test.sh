#!/usr/bin/env bash
# Every file reqpad host writes (the drawing, the SVG, the DXF and the PDF) fails cleanly
# when the disk refuses bytes part way (a file-size limit makes the system refuse writes
# after N bytes, at several N), when a folder stands where the file goes, and when the
# folder may not be written: each time the old file stays byte for byte, the user is told,
# and the script stops with exit code 2.
set -uo pipefail
source "$(dirname "$0")/host_checks.sh" "$@"

printf '%s\n' "Technical requirements" "1. Первое требование." "2. Second requirement." > "$work/req.txt"
scene=("new --sheet A3" "add view 40 170 160 280 A" "add text 40 160 5 Label"
       "tt new --mode 2 --content $work/req.txt" "tt place last 0")
for file in sheet.zdw sheet.svg sheet.dxf sheet.pdf; do
  case "$file" in *.zdw) write="save" ;; *.svg) write="render" ;; *) write="export" ;; esac
  printf '%s\n' "new --sheet A4" "$write $work/$file" > "$work/old.script"
  "$reqpad" host --script "$work/old.script" > /dev/null 2>&1
  cp "$work/$file" "$work/$file.old"
  printf '%s\n' "${scene[@]}" "$write $work/$file" > "$work/script"
  for kilobytes in 1 2 8 32; do
    # The limit is in kilobytes; SIGXFSZ ignored, the refused write returns EFBIG.
    (trap '' XFSZ; ulimit -f "$kilobytes"; "$reqpad" host --script "$work/script") > /dev/null 2> "$work/err"
    status=$?
    if [ "$status" -eq 0 ]; then # the new file fitted under this limit
      check "$write $file fits in ${kilobytes} KB" test "$(stat -c %s "$work/$file")" -le $((kilobytes * 1024))
      cp "$work/$file" "$work/$file.old"
      continue
    fi
    check "$write $file over ${kilobytes} KB stops the script" test "$status" -eq 2
    check "$write $file over ${kilobytes} KB says it cannot write" grep -q "$file" "$work/err"
    check "$write $file over ${kilobytes} KB keeps the old file" cmp -s "$work/$file" "$work/$file.old"
  done
  check "no temporary file is left beside $file" test "$(ls "$work" | grep -c "^$file")" -eq 2

  # A folder where the file goes, and (unless root, whom permissions do not bind) a folder
  # that may not be written: refused, said, and nothing lost.
  mkdir -p "$work/in/$file"
  printf '%s\n' "${scene[@]}" "$write $work/in/$file" > "$work/script"
  "$reqpad" host --script "$work/script" > /dev/null 2> "$work/err"
  check "$write $file onto a folder stops the script" test $? -eq 2
  check "$write $file onto a folder says it cannot write" grep -q "$file" "$work/err"
  check "$write $file leaves the folder a folder" test -d "$work/in/$file"
  rmdir "$work/in/$file"
  if [ "$(id -u)" -ne 0 ]; then
    cp "$work/$file.old" "$work/in/$file"
    chmod 555 "$work/in"
    "$reqpad" host --script "$work/script" > /dev/null 2> "$work/err"
    status=$?
    chmod 755 "$work/in"
    check "$write $file in a read-only folder stops the script" test "$status" -eq 2
    check "$write $file in a read-only folder says it cannot write" grep -q "$file" "$work/err"
    check "$write $file in a read-only folder keeps the old file" cmp -s "$work/in/$file" "$work/$file.old"
    rm -f "$work/in/$file"
  fi
done

finish
