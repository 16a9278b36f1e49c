# Sourced by the scripts that need an X display of their own.
#
# quillon_start_xvfb: starts Xvfb on a free display number and exports DISPLAY for it; sets
# quillon_xvfb_pid. Fails when the server does not come up within 30 seconds.
quillon_start_xvfb() {
  local fd display
  # Xvfb picks a free display number and writes it to the pipe.
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  quillon_xvfb_pid=$!
  if ! read -r -t 30 -u "$fd" display; then
    exec {fd}>&-
    kill "$quillon_xvfb_pid" >/dev/null 2>&1
    echo "Xvfb did not start" >&2
    return 1
  fi
  exec {fd}>&-
  export DISPLAY=":$display"
}

# quillon_stop_xvfb: ends the server quillon_start_xvfb started, if any.
quillon_stop_xvfb() {
  if [ -n "${quillon_xvfb_pid:-}" ]; then
    kill "$quillon_xvfb_pid" >/dev/null 2>&1 || true
    wait "$quillon_xvfb_pid" 2>/dev/null || true
    quillon_xvfb_pid=""
  fi
}
