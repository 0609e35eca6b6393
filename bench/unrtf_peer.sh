#!/bin/sh
# Peer figures for the RTF reader and writer on a 44 MB requirements document as an office
# suite writes it (20,000 paragraphs unless N is given): `reqpad rtf to-text` (reading),
# `reqpad rtf roundtrip` (reading into the model and writing it out) and `unrtf --text`,
# each with its speed (over the processor time it took, so a busy machine does not skew it)
# and peak memory. With LibreOffice installed the document is the one it
# writes from the generated sample; without, the generated sample itself.
# Usage: bench/unrtf_peer.sh [BUILD_DIR] [N]
set -eu
build="${1:-build}"
paragraphs="${2:-20000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
sample="$work/sample.rtf"
"$build/bin/rtf_bench" --write-sample="$sample" --paragraphs="$paragraphs" --office
if command -v soffice >/dev/null 2>&1; then
    mkdir "$work/office"
    soffice --headless --convert-to rtf --outdir "$work/office" "$sample" >/dev/null 2>&1 &&
        mv "$work/office/sample.rtf" "$sample"
fi
bytes=$(wc -c < "$sample")
echo "$paragraphs paragraphs, $bytes bytes"
measure() { # name, command...
    name="$1"; shift
    /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" > /dev/null
    read -r user system kilobytes < "$work/time"
    awk -v n="$name" -v u="$user" -v s="$system" -v k="$kilobytes" -v b="$bytes" \
        'BEGIN { t = u + s; printf "%-22s %6.2f s %7.1f MB/s  peak %5.0f MB (%.1f x the file)\n", n, t, b / t / 1e6, k / 1024, k * 1024 / b }'
}
measure "reqpad rtf to-text" "$build/bin/reqpad" rtf to-text "$sample"
measure "reqpad rtf roundtrip" "$build/bin/reqpad" rtf roundtrip "$sample"
measure "unrtf --text" unrtf --text "$sample"
