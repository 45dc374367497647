# Sourced: start_xvfb [SIZE] starts a private Xvfb when there is no display,
# exports DISPLAY and sets xvfb_pid (empty when a display was already there).
# new_xvfb SIZE always starts one more, on a display number the server picks
# itself (so it never takes another's), and sets xvfb_pid and xvfb_display.
start_xvfb() {
  xvfb_pid=""
  [ -n "${DISPLAY:-}" ] && return 0
  new_xvfb "${1:-1280x800x24}"
  export DISPLAY=$xvfb_display
}

new_xvfb() {
  local ready
  ready=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
  xvfb_pid=$!
  xvfb_display=""
  # The number is written once the server takes connections.
  for _ in $(seq 100); do
    [ -s "$ready" ] && break
    sleep 0.05
  done
  xvfb_display=:$(tr -d '\n' <"$ready")
  rm -f "$ready"
}
