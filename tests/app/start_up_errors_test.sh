#!/usr/bin/env bash
# Where no window can be opened, Velmo says so in one line and ends at once
# with status 1 and no core dump: with no display at all, with a display that
# does not answer, and with a forced platform that cannot start.
#   start_up_errors_test.sh VELMO [LIMIT_MS]
set -u
velmo=$(realpath "$1")
limit_ms=${2:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
ulimit -c unlimited 2>/dev/null || true

passed=0 failed=0
check() {
  local what=$1 best=999999 out status ms start
  shift
  for _ in 1 2 3 4 5; do
    start=$(date +%s%N)
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$velmo" 2>&1 >/dev/null)
    status=$?
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
    (( ms < best )) && best=$ms
  done
  local lines cores
  lines=$(printf '%s\n' "$out" | grep -c .)
  cores=$(find . -name 'core*' | wc -l)
  if [[ $status -eq 1 && $lines -eq 1 && $out == "velmo: cannot open a window: "* && $best -lt $limit_ms && $cores -eq 0 ]]; then
    echo "ok: $what: \"$out\", $best ms"
    passed=$((passed + 1))
  else
    echo "FAILED: $what: status $status, $lines lines, $best ms (limit $limit_ms), $cores core files: $out"
    failed=$((failed + 1))
  fi
}

check "no display"
check "a display that does not answer" DISPLAY=:7391
check "a forced platform that cannot start" QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wayland-none
echo "$passed passed, $failed failed"
((failed == 0))
