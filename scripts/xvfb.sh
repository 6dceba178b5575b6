# Sourced by the scripts: start_xvfb starts Xvfb on a free display number and exports
# DISPLAY and XVFB_PID; the caller stops it with `kill $XVFB_PID`.
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      if [ -e "/tmp/.X11-unix/X$n" ]; then
        export DISPLAY=":$n" XVFB_PID
        return 0
      fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null
  done
  return 1
}
