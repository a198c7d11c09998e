#!/usr/bin/env bash
# Runs the window-manager test binary on a virtual X server under openbox.
#   tests/wm/run-wm-test.sh <path of wm_tests> [arguments for it, e.g. --gtest_filter=...]
# Exits 77 (the test is skipped) only when the X server itself cannot start; a missing window manager
# or X tool, and every failure of the test, is a failure.
set -uo pipefail
binary="$1"
shift

if ! command -v xvfb-run >/dev/null || ! xvfb-run -a true >/dev/null 2>&1; then
    echo "SKIP: the virtual X server (Xvfb) cannot start here; the window-manager test did not run"
    exit 77
fi
for tool in openbox wmctrl xdotool; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh test installs it)"; exit 1; }
done

export WM_TEST_BINARY="$binary"
# ORVANE_WM_SCREEN sets the screen's size (default 1600x1200). On a busy machine a new X server's display
# is now and then not yet open to openbox; such a start is tried again on a fresh server (exit code 75).
for attempt in 1 2 3; do
xvfb-run -a -s "-screen 0 ${ORVANE_WM_SCREEN:-1600x1200}x24" bash -c '
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 300); do
        wmctrl -m >/dev/null 2>&1 && break
        kill -0 "$wm" 2>/dev/null || break
        sleep 0.1
    done
    if ! wmctrl -m >/dev/null 2>&1; then
        echo "openbox did not start"
        kill "$wm" 2>/dev/null
        exit 75
    fi
    echo "window manager: $(wmctrl -m | head -1)"
    QT_QPA_PLATFORM=xcb "$WM_TEST_BINARY" "$@"
    status=$?
    kill "$wm" 2>/dev/null
    wait "$wm" 2>/dev/null
    exit "$status"
' wm-test "$@"
    status=$?
    [[ $status -eq 75 ]] || exit "$status"
done
echo "FAIL: openbox did not start on three X servers"
exit 1
