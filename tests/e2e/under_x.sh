#!/usr/bin/env bash
# Runs a test program on a real X server (Xvfb with a window manager and a
# system tray), for the tests that need the platform's own drag and drop or
# tray and skip where the platform has neither (offscreen).
#   tests/e2e/under_x.sh PROGRAM [ARGS...]
# Exits 77, a skip, where there is no Xvfb or a test skipped even there.
set -u
command -v Xvfb >/dev/null || { echo "under_x: no Xvfb" >&2; exit 77; }
source "$(dirname "$0")/scratch_session.sh"
# Xvfb picks a free display itself, so that tests run side by side never meet.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "under_x: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display") QT_QPA_PLATFORM=xcb
if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & pids+=($!); fi
if command -v trayer >/dev/null; then trayer --edge top --align right >/dev/null 2>&1 & pids+=($!); fi
sleep 0.5
# A test that still skips here (no tray came up) shows as skipped, not passed.
"$@" 2>&1 | tee "$work/out"
rc=${PIPESTATUS[0]}
[ "$rc" -eq 0 ] && grep -q '^\[  SKIPPED \]' "$work/out" && exit 77
exit "$rc"
