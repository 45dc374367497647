# Sourced: start_xvfb [SIZE] starts a private Xvfb when there is no display,
# exports DISPLAY and sets xvfb_pid (empty when a display was already there).
start_xvfb() {
  xvfb_pid=""
  [ -n "${DISPLAY:-}" ] && return 0
  local display=:$((90 + RANDOM % 800))
  Xvfb "$display" -screen 0 "${1:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
