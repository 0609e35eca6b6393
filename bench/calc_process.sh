#!/usr/bin/env bash
# Whole-process comparison: `reqpad calc --raw -` against the same loop around muparser,
# over 200,000 formulas (the benchmark mix repeated). Run from a build with REQPAD_BENCH=ON:
#   bench/calc_process.sh build/bin
set -euo pipefail
bin="${1:-build/bin}"
count="${2:-200000}"
root="$(cd "$(dirname "$0")/.." && pwd)"
input="$(mktemp)"
trap 'rm -f "$input"' EXIT
mapfile -t formulas < <(sed -n 's/^    "\(.*\)",$/\1/p' "$root/bench/CalcFormulas.h")
for ((i = 0; i < count; i++)); do echo "${formulas[i % ${#formulas[@]}]}"; done > "$input"

seconds() { # seconds COMMAND...: best of three wall-clock runs
    local best=""
    for _ in 1 2 3; do
        local start end
        start=$(date +%s.%N)
        "$@" < "$input" > /dev/null
        end=$(date +%s.%N)
        best=$(python3 -c "t=$end-$start; b='$best'; print(t if not b else min(t, float(b)))")
    done
    echo "$best"
}
ours=$(seconds "$bin/reqpad" calc --raw -)
peer=$(seconds "$bin/muparser_calc")
python3 - "$count" "$ours" "$peer" <<'PY'
import sys
n, ours, peer = int(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3])
print(f"{n} formulas: reqpad calc --raw - {ours:.3f} s ({n/ours:,.0f}/s), "
      f"muparser loop {peer:.3f} s ({n/peer:,.0f}/s), ratio {peer/ours:.2f}x")
PY
