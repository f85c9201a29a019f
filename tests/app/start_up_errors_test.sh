#!/usr/bin/env bash
# Where no window can be opened, Velmo says why in one line and ends at once
# with status 1 and no core dump: with no display at all, with a display that
# does not answer, and with a forced platform that cannot start. Where one
# can, a warning of Qt's at start-up is shown and the game goes on.
#   start_up_errors_test.sh VELMO [LIMIT_MS]
set -u
velmo=$(realpath "$1")
limit_ms=${2:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
ulimit -c unlimited 2>/dev/null || true

passed=0 failed=0
# check WHAT CAUSE [VAR=VALUE...]: the one line must name the cause itself.
check() {
  local what=$1 cause=$2 best=999999 out status ms start
  shift 2
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
  if [[ $status -eq 1 && $lines -eq 1 && $out == "velmo: cannot open a window: $cause" && $best -lt $limit_ms && $cores -eq 0 ]]; then
    echo "ok: $what: \"$out\", $best ms"
    passed=$((passed + 1))
  else
    echo "FAILED: $what: status $status, $lines lines, $best ms (limit $limit_ms), $cores core files: $out"
    failed=$((failed + 1))
  fi
}

check "no display" "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)"
# DISPLAY alone is a session to try, not one to refuse.
check "a display that does not answer" "could not connect to display :7391" DISPLAY=:7391
check "a forced platform that cannot start" "failed to create wl_display (No such file or directory)" \
  QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wayland-none

# A harmless warning while the platform starts: shown as Qt wrote it, and the
# game runs on (here on the offscreen platform, which needs no display).
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen QT_STYLE_OVERRIDE=none-such XDG_RUNTIME_DIR="$work" \
  "$velmo" 2>"$work/warned" >/dev/null &
pid=$!
sleep 0.5
if kill -0 "$pid" 2>/dev/null && grep -q "invalid style override 'none-such'" "$work/warned"; then
  echo "ok: a warning at start-up: shown, and the game runs on"
  passed=$((passed + 1))
else
  echo "FAILED: a warning at start-up stopped the game or was not shown: $(cat "$work/warned")"
  failed=$((failed + 1))
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
echo "$passed passed, $failed failed"
((failed == 0))
