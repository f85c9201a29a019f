# Shared by the Wayland test and benchmark: a weston compositor with its
# headless backend in a private runtime directory, and what it shows.

# Starts weston; sets XDG_RUNTIME_DIR, WAYLAND_DISPLAY and weston_pid.
start_weston() {
  XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR WAYLAND_DISPLAY=velmo-wayland
  unset DISPLAY
  weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 \
    --idle-time=0 --debug --log="$XDG_RUNTIME_DIR/weston.log" 2>/dev/null &
  weston_pid=$!
  for _ in $(seq 100); do
    [[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]] && return 0
    sleep 0.05
  done
  echo "weston did not start: $(cat "$XDG_RUNTIME_DIR/weston.log")"
  return 1
}

stop_weston() {
  kill "$weston_pid" 2>/dev/null
  wait "$weston_pid" 2>/dev/null
  rm -rf "$XDG_RUNTIME_DIR"
}

# The size of the opaque content of the top-level window titled $1, as
# "WIDTHxHEIGHT", with its app id: "760x555 org.velmo.Velmo"; empty while
# there is none.
toplevel() {
  timeout 2 weston-debug scene-graph 2>/dev/null | awk -v title="$1" '
    index($0, "top-level window '\''" title "'\'' of ") { found = 1; id = $0; sub(/.* of /, "", id); sub(/, 0x.*/, "", id); next }
    found && /opaque: \(/ {
      gsub(/[^0-9 ]/, " "); split($0, n, " +")
      printf "%dx%d %s\n", n[4] - n[2], n[5] - n[3], id; exit }
    found && /^\tView|^Layer/ { found = 0 }'
}
