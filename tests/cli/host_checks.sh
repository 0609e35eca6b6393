# Sourced by the command-line checks of `reqpad host`: REQPAD (the first argument), a scratch
# folder with its own settings (kept when KEEP is set), named checks counted for the closing
# line, and `run LINE...` for one host script whose errors go to "$work/err".
reqpad="$1"
work="$(mktemp -d)"
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
passed=0 failed=0
check() { # name, condition...
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}
run() { printf '%s\n' "$@" > "$work/script"; "$reqpad" host --script "$work/script" 2> "$work/err"; }
# The closing line; the status says whether every check passed.
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
