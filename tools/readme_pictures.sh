#!/usr/bin/env bash
# Makes the README's pictures from the built program as a user sees it, under
# Xvfb with a window manager: each of the seven pages opened by a click on its
# tab, then the window switched to simple mode by its toolbar button; then the
# program started again with the dark skin, on the ships page; last, a desktop
# notification it sent, as a notification service draws it. Every run shows
# the same moment (NORVANE_FAKE_TIME, Tokyo time) and starts from the same
# settings file, so the pictures change only when the program does.
#   tools/readme_pictures.sh [BUILD_DIR [DOCS_DIR]]
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
docs=${2:-$here/../docs}
prog=$build/src/norvane shot=$build/tests/e2e/x_screenshot probe=$build/tests/e2e/e2e_probe
for f in "$prog" "$shot" "$probe"; do [ -x "$f" ] || { echo "readme_pictures: build $f first" >&2; exit 1; }; done
source "$here/../tests/e2e/scratch_session.sh"
# A first of December evening in Tokyo: a first-quarter moon, Lightning day.
export NORVANE_FAKE_TIME=2003-12-01T09:00:01Z TZ=Asia/Tokyo
unset QT_QPA_PLATFORM
fail() { echo "readme_pictures: $*" >&2; exit 1; }

# The settings a player might have: a few timers chosen, a race, a town and a
# job at level 75; the skin and the page as given.
settings() {  # SKIN PAGE
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Option]\r\n'
  printf '"Skin"="%s"\r\n"Page"=dword:%08x\r\n"SimpleMode"=dword:00000000\r\n' "$1" "$2"
  printf '"Racial"=dword:00000002\r\n"Chocobo"=dword:00000001\r\n"SkillJob"=dword:00000005\r\n"SkillLv"=dword:0000004b\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Timer]\r\n'
  local item=1
  for set in 0 4 7 10 1 2; do printf '"Item%d"=dword:%08x\r\n' $item $set; item=$((item + 1)); done
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Notify]\r\n'
  printf '"Routes"="100000001"\r\n"Guilds"="1000000000000"\r\n"MoonPhases"="001000001000"\r\n'
  printf '"Timers"=dword:00000001\r\n"MinutesAhead"=dword:00000003\r\n'
}

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
start() {  # starts the program, sets $win
  "$prog" >/dev/null 2>&1 & pids+=($!)
  win=$(await_window 100 --name '^Norvane$') || fail "no window"
  sleep 1
}
stop() {
  kill "${pids[${#pids[@]} - 1]}" 2>/dev/null
  wait "${pids[${#pids[@]} - 1]}" 2>/dev/null
  unset 'pids[${#pids[@]}-1]'
}

settings blue.skn 0 > "$NORVANE_SETTINGS"
start
# Tab, picture: the ships page is the README's first picture.
for page in 1:page-timer 2:norvane 3:page-guilds 4:page-racial 5:page-chocobo 6:page-skill 7:page-calendar; do
  # shellcheck disable=SC2046
  xdotool mousemove --window "$win" $(centre "tab${page%%:*}") click 1
  # Out of the way: the picture shows no hovered tab.
  xdotool mousemove 1000 700
  sleep 1.2
  "$shot" "$docs/${page#*:}.png" "$win" || fail "picture of ${page#*:}"
done

# shellcheck disable=SC2046
xdotool mousemove --window "$win" $(centre tab2) click 1
# shellcheck disable=SC2046
xdotool mousemove --window "$win" $(centre toSimple) click 1
xdotool mousemove 1000 700
for _ in $(seq 50); do [ "$(geometry "$win")" = "426x56" ] && break; sleep 0.1; done
[ "$(geometry "$win")" = "426x56" ] || fail "no simple mode"
sleep 1
"$shot" "$docs/norvane-simple.png" "$win" || fail "picture of simple mode"
stop

# The options dialog from the menu, on its General and Timer pages.
start
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool key alt+m o
opt=$(await_window 50 --name '^オプション - Norvane$') || fail "no options dialog"
xdotool mousemove 1000 700
sleep 0.5
"$shot" "$docs/options-general.png" "$opt" || fail "picture of the options dialog"
xdotool key ctrl+Tab
sleep 0.5
"$shot" "$docs/options-timers.png" "$opt" || fail "picture of the options dialog's timer page"
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab
sleep 0.5
"$shot" "$docs/options-notify.png" "$opt" || fail "picture of the options dialog's notification page"
xdotool key Escape
stop

# Again in another skin: the settings name it, as the window-colour menu would.
settings dark.skn 1 > "$NORVANE_SETTINGS"
start
xdotool mousemove 1000 700
sleep 0.5
"$shot" "$docs/norvane-dark.png" "$win" || fail "picture of the dark skin"
stop

# A notification as the desktop shows it: a notification service of its own on
# a private bus, and the settings above, whose first route leaves within the
# three minutes they ask for.
command -v dunst >/dev/null || fail "dunst missing (scripts/setup installs it)"
exec 3> "$work/bus"
dbus-daemon --session --nofork --print-address=3 >/dev/null 2>&1 & pids+=($!)
exec 3>&-
for _ in $(seq 50); do [ -s "$work/bus" ] && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
dunst -config /dev/null >/dev/null 2>&1 & pids+=($!)
sleep 0.5
settings blue.skn 1 > "$NORVANE_SETTINGS"
start
xdotool mousemove 1000 700
note=$(await_window 100 --class '^Dunst$') || fail "no notification shown"
sleep 0.5
"$shot" "$docs/notification.png" "$note" || fail "picture of a notification"
echo "readme_pictures: the pictures are in $docs"
