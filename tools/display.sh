# Sourced: ravlen_display makes sure there is an X display. When DISPLAY is
# unset it starts Xvfb on a free number and sets RAVLEN_XVFB_PID; call
# ravlen_display_stop to end it.
ravlen_display() {
    RAVLEN_XVFB_PID=""
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    RAVLEN_XVFB_PID=$!
    export DISPLAY=":$n"
    i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
}

ravlen_display_stop() {
    [ -n "${RAVLEN_XVFB_PID:-}" ] && kill "$RAVLEN_XVFB_PID" 2>/dev/null || true
}
