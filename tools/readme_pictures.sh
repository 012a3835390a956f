#!/usr/bin/env bash
# Makes the README's pictures from the built program as a user sees it: under
# Xvfb with a window manager, the ships page opened by a click on its tab, then
# the window switched to simple mode by its toolbar button; last, the program
# started again with the dark skin, on the ships page.
#   tools/readme_pictures.sh [BUILD_DIR [DOCS_DIR]]
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
docs=${2:-$here/../docs}
prog=$build/src/norvane shot=$build/tests/e2e/x_screenshot probe=$build/tests/e2e/e2e_probe
for f in "$prog" "$shot" "$probe"; do [ -x "$f" ] || { echo "readme_pictures: build $f first" >&2; exit 1; }; done
work=$(mktemp -d)
export NORVANE_SETTINGS=$work/Norvane.reg NORVANE_RUNTIME_DIR=$work/run
unset QT_QPA_PLATFORM
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "readme_pictures: $*" >&2; exit 1; }

for n in $(seq 90 120); do
  [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { disp=$n; break; }
done
export DISPLAY=:$disp
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
sleep 0.5

NORVANE_SETTINGS=$work/probe.reg "$probe" layout 514 324 > "$work/layout" 2>/dev/null || fail "probe layout"
centre() { awk -v n="$1" '$1 == n {print int($2 + $4 / 2), int($3 + $5 / 2)}' "$work/layout"; }
geometry() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }

"$prog" >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --name '^Norvane$' 2>/dev/null | head -n 1)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "no window"
sleep 1
# shellcheck disable=SC2046
xdotool mousemove --window "$win" $(centre tab2) click 1
# Out of the way, on a tick's boundary: the picture shows no hovered tab.
xdotool mousemove 1000 700
sleep 1.5
"$shot" "$docs/norvane.png" "$win" || fail "picture of the ships page"

# shellcheck disable=SC2046
xdotool mousemove --window "$win" $(centre toSimple) click 1
xdotool mousemove 1000 700
for _ in $(seq 50); do [ "$(geometry "$win")" = "426x56" ] && break; sleep 0.1; done
[ "$(geometry "$win")" = "426x56" ] || fail "no simple mode"
sleep 1
"$shot" "$docs/norvane-simple.png" "$win" || fail "picture of simple mode"

# Again in another skin: the settings name it, as the window-colour menu would.
kill "${pids[${#pids[@]} - 1]}" 2>/dev/null
wait "${pids[${#pids[@]} - 1]}" 2>/dev/null
unset 'pids[${#pids[@]}-1]'
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Option]\r\n"Skin"="dark.skn"\r\n"Page"=dword:00000001\r\n"SimpleMode"=dword:00000000\r\n' \
  > "$work/skin.reg"
NORVANE_SETTINGS=$work/skin.reg "$prog" >/dev/null 2>&1 & pids+=($!)
win=
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --name '^Norvane$' 2>/dev/null | head -n 1)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "no window in the dark skin"
xdotool mousemove 1000 700
sleep 1.5
"$shot" "$docs/norvane-dark.png" "$win" || fail "picture of the dark skin"
echo "readme_pictures: $docs/norvane.png, $docs/norvane-simple.png and $docs/norvane-dark.png"
