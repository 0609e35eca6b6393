#!/usr/bin/env bash
# The module's entry points are visible under their plain names in the shared library, as
# a host looks them up; the table control's members are exported too.
set -euo pipefail
library="$1"
symbols="$(nm -D --defined-only "$library")"
status=0
for name in ZNSInit ZNSUnInit ZNS_DelTTItem EditTT ZNS_SelectTTItem DelTTItem CalcBottomFreeSpace GetOldPositionLinks ConvertAcadToRtf \
            ZNS_CreateNotebook; do
  if ! grep -qE "^[0-9a-f]+ T ${name}\$" <<<"$symbols"; then
    echo "missing plain export: $name"
    status=1
  fi
done
demangled="$(nm -D --defined-only -C "$library")"
for member in ClipboardIsEmpty CanMove Finish SetDefaultRecordImage SetRecordAttributes GetRecordAttributes \
              SetRecordLinkedData GetRecordLinkedData GetRecordLinkedLargeData SetLengthLimit GetLengthLimit \
              GetSelectedCell; do
  if ! grep -q "CTableCtrl::${member}(" <<<"$demangled"; then
    echo "missing export: CTableCtrl::$member"
    status=1
  fi
done
[ $status -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $status
