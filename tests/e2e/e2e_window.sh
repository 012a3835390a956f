#!/usr/bin/env bash
# Starts the real program under Xvfb with a window manager and checks, as a user
# would see it: one window titled "Norvane", a second start that ends at once,
# the exit message, the stored window values, and simple mode at 426 x 56.
#   e2e_window.sh NORVANE X_SCREENSHOT OUTDIR
set -u
prog=$1 shot=$2 out=$3
mkdir -p "$out"
work=$(mktemp -d)
export NORVANE_SETTINGS=$work/Norvane.reg
export NORVANE_RUNTIME_DIR=$work/run
unset QT_QPA_PLATFORM
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "e2e: FAIL: $*" >&2; exit 1; }

# A free display number.
for n in $(seq 90 120); do
  [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { disp=$n; break; }
done
export DISPLAY=:$disp
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start"
if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & pids+=($!); sleep 0.5; fi

wait_window() {  # prints the id of the visible window titled exactly "Norvane"
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name '^Norvane$' 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
wait_exit() {  # pid, tenths of a second
  for _ in $(seq "$2"); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}
value() { grep -i "^\"$1\"=" "$NORVANE_SETTINGS" | head -n 1 | cut -d= -f2; }

# First start: normal mode.
"$prog" & main=$!; pids+=($main)
win=$(wait_window) || fail "no window titled Norvane"
sleep 1
"$shot" "$out/normal.png" "$win" || fail "screenshot of normal mode"

# A second copy brings the first forward and ends with 0, showing nothing.
"$prog" & second=$!
wait_exit "$second" 100 || fail "second copy did not end"
wait "$second"; [ $? -eq 0 ] || fail "second copy ended with non-zero status"
count=$(xdotool search --onlyvisible --name '^Norvane$' | wc -l)
[ "$count" -eq 1 ] || fail "expected one Norvane window, found $count"

# The exit message closes the first copy, which stores its window.
"$prog" --post "NORVANE Main Exit Message" || fail "--post did not reach the running copy"
wait_exit "$main" 100 || fail "running copy did not close on the exit message"
[ -f "$NORVANE_SETTINGS" ] || fail "no settings file written"
for v in Width Height Left Top Maximized Allways; do
  [ -n "$(value $v)" ] || fail "window value $v not stored"
done
[ "$(value Width)" = "dword:00000202" ] || fail "stored width $(value Width), expected 514"
"$prog" --post "NORVANE Main Exit Message"; [ $? -eq 1 ] || fail "--post with no running copy must end with 1"

# Simple mode.
"$prog" /s & main=$!; pids+=($main)
win=$(wait_window) || fail "no window in simple mode"
sleep 1
geo=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')
[ "$geo" = "426x56" ] || fail "simple mode window is $geo, expected 426x56"
"$shot" "$out/simple.png" "$win" || fail "screenshot of simple mode"
"$prog" --post "NORVANE Main Exit Message" || fail "--post in simple mode"
wait_exit "$main" 100 || fail "simple mode copy did not close"
[ "$(value SimpleMode)" = '"1"' ] || fail "SimpleMode not stored as \"1\""
echo "e2e: passed (screenshots in $out)"
