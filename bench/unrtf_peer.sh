#!/bin/sh
# Peer figure for the RTF benchmark: times `unrtf --text` on the same generated
# requirements document that rtf_bench reads (20,000 paragraphs unless N is given).
# Usage: bench/unrtf_peer.sh [BUILD_DIR] [N]
set -eu
build="${1:-build}"
paragraphs="${2:-20000}"
sample="$(mktemp --suffix=.rtf)"
trap 'rm -f "$sample"' EXIT
"$build/bin/rtf_bench" --write-sample="$sample" --paragraphs="$paragraphs"
bytes=$(wc -c < "$sample")
start=$(date +%s.%N)
unrtf --text "$sample" > /dev/null
end=$(date +%s.%N)
echo "$paragraphs paragraphs, $bytes bytes" |
    awk -v s="$start" -v e="$end" -v b="$bytes" -v p="$paragraphs" \
        '{ t = e - s; printf "unrtf --text: %s: %.3f s, %.1f MB/s, %.0f paragraphs/s\n", $0, t, b / t / 1e6, p / t }'
