#!/usr/bin/env bash
# Velmo native on a Wayland compositor (weston, headless): it connects with
# its app id and a 760 x 555 surface, stays up, and ends when told to.
#   wayland_test.sh VELMO
set -u
velmo=$(realpath "$1")
. "$(dirname "$0")/wayland_common.sh"
start_weston || exit 1
velmo_pid=
trap 'kill $velmo_pid 2>/dev/null; stop_weston' EXIT

QT_QPA_PLATFORM=wayland "$velmo" &
velmo_pid=$!
shown=
for _ in $(seq 100); do
  shown=$(toplevel Velmo)
  [[ -n "$shown" ]] && break
  sleep 0.1
done
failed=0
if [[ "$shown" != "760x555 org.velmo.Velmo" ]]; then
  echo "FAILED: the window on weston: \"$shown\", not \"760x555 org.velmo.Velmo\""
  failed=1
fi
sleep 2
if ! kill -0 "$velmo_pid" 2>/dev/null; then
  echo "FAILED: Velmo did not stay up"
  failed=1
fi
kill -TERM "$velmo_pid" 2>/dev/null
for _ in $(seq 20); do
  kill -0 "$velmo_pid" 2>/dev/null || break
  sleep 0.05
done
if kill -0 "$velmo_pid" 2>/dev/null; then
  echo "FAILED: Velmo did not end within a second"
  failed=1
fi
wait "$velmo_pid" 2>/dev/null
velmo_pid=
if ((failed)); then
  echo "0 passed, 1 failed"
  exit 1
fi
echo "on weston: $shown; 1 passed, 0 failed"
