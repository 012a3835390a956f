#!/usr/bin/env bash
# Starts the real program under Xvfb with a window manager and checks, as a user
# would see it: one window titled "Norvane", a second start that ends at once,
# the help that the menu and a network-error message open, the exit message,
# the stored window values, a wall clock stopped by NORVANE_FAKE_TIME, and
# simple mode at 426 x 56.
# Then it uses the window as a player does: clicks every page's tab and looks at
# what the page shows, switches to simple mode and back (also from a maximized
# window), drags the simple window, presses its image buttons with a slightly
# shaky hand, opens a forecast window and the version dialog, starts a countdown
# with a click and looks at its first second, and checks where the window stays
# and what the program stores.
#   e2e_window.sh NORVANE X_SCREENSHOT OUTDIR E2E_PROBE
set -u
prog=$1 shot=$2 out=$3 probe=$4
mkdir -p "$out"
rm -f "$out/failure.png"
source "$(dirname "$0")/scratch_session.sh"
unset QT_QPA_PLATFORM
fail() {
  echo "e2e: FAIL: $*" >&2
  [ -n "${DISPLAY:-}" ] && "$shot" "$out/failure.png" >/dev/null 2>&1 && echo "e2e: the screen is in $out/failure.png" >&2
  exit 1
}

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

wait_window() { await_window 150 --name '^Norvane$'; }  # the window titled exactly "Norvane"
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

# The menu's "ヘルプ トピック(&H)" and a network-error message open the help
# shipped beside the program.
help_window() {  # WHEN: waits for the help window, looks at it, closes it
  help=$(await_window 50 --name '^Norvane ヘルプ$') || fail "$1 opened no help window"
  sleep 0.5
  "$shot" "$out/help.png" "$help" || fail "screenshot of the help"
  xdotool windowactivate --sync "$help" key alt+F4 2>/dev/null
  for _ in $(seq 30); do xdotool search --onlyvisible --name '^Norvane ヘルプ$' >/dev/null 2>&1 || break; sleep 0.1; done
}
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool key alt+m h
help_window "the menu's ヘルプ トピック"
"$prog" --post "NORVANE Network Error 0 Message" || fail "--post of a network error"
help_window "a network-error message"

# The exit message closes the first copy, which stores its window.
"$prog" --post "NORVANE Main Exit Message" || fail "--post did not reach the running copy"
wait_exit "$main" 100 || fail "running copy did not close on the exit message"
[ -f "$NORVANE_SETTINGS" ] || fail "no settings file written"
for v in Width Height Left Top Maximized Allways; do
  [ -n "$(value $v)" ] || fail "window value $v not stored"
done
[ "$(value Width)" = "dword:00000202" ] || fail "stored width $(value Width), expected 514"
"$prog" --post "NORVANE Main Exit Message"; [ $? -eq 1 ] || fail "--post with no running copy must end with 1"

# A save that fails at close (the settings folder turned read-only while the
# program runs): the warning shows over the window, and after its OK the
# program ends rather than running on without a window. Root writes anywhere,
# so as root the program runs without that power.
ro=$work/readonly
mkdir -p "$ro"
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Option]\r\n"Skin"="blue.skn"\r\n' > "$ro/Norvane.reg"
unprivileged=()
if [ "$(id -u)" = 0 ]; then
  command -v setpriv >/dev/null || fail "setpriv is needed to run the program as root without its power to write anywhere"
  unprivileged=(setpriv --bounding-set=-dac_override,-dac_read_search,-fowner)
fi
NORVANE_SETTINGS=$ro/Norvane.reg "${unprivileged[@]}" "$prog" & main=$!; pids+=($main)
win=$(wait_window) || fail "no window for the read-only close"
sleep 0.5
chmod 555 "$ro"
before=$(cat "$ro/Norvane.reg")
"$prog" --post "NORVANE Main Exit Message" || fail "--post with a read-only settings folder"
for _ in $(seq 50); do [ "$(xdotool search --onlyvisible --name '^Norvane$' | wc -l)" -ge 2 ] && break; sleep 0.1; done
[ "$(xdotool search --onlyvisible --name '^Norvane$' | wc -l)" -ge 2 ] || fail "no warning over the window when the close could not save"
"$shot" "$out/close_readonly.png" || fail "screenshot of the close warning"
box=$(xdotool search --onlyvisible --name '^Norvane$' | grep -vx "$win" | head -n 1)
xdotool windowactivate --sync "$box" 2>/dev/null
xdotool key Return
wait_exit "$main" 50 || fail "the program ran on after the close warning"
chmod 755 "$ro"
[ "$(cat "$ro/Norvane.reg")" = "$before" ] || fail "the read-only settings file changed"

# NORVANE_FAKE_TIME stops the wall clock for one run (the README's pictures use it).
moment=$(NORVANE_FAKE_TIME=2003-12-01T09:00:01Z "$prog" --print-time)
[ "$moment" = "0934/08/04(雷) 18:00:00 <上弦の月>" ] || fail "NORVANE_FAKE_TIME gave '$moment'"
NORVANE_FAKE_TIME=yesterday "$prog" --print-time >/dev/null 2>&1; [ $? -eq 2 ] || fail "a bad NORVANE_FAKE_TIME was taken"

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

# --- As a player ----------------------------------------------------------------

# Writes the settings a player left: the normal window at LEFT, TOP (514 x 324)
# and the simple one at SLEFT, STOP.
write_settings() {
  dword() { printf 'dword:%08x' "$1"; }
  cat > "$NORVANE_SETTINGS" <<EOT
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Window]
"Top"=$(dword "$2")
"Left"=$(dword "$1")
"Height"=$(dword 324)
"Width"=$(dword 514)

[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Window\\Simple]
"Top"=$(dword "$4")
"Left"=$(dword "$3")
EOT
}
# The stored value NAME of SECTION (e.g. 'Window\Simple'); numbers in decimal.
setting() {
  local head="[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\$1]" line v inside=0
  while IFS= read -r line; do
    line=${line%$'\r'}
    if [ "${line:0:1}" = "[" ]; then
      if [ "$line" = "$head" ]; then inside=1; else inside=0; fi
      continue
    fi
    if [ $inside = 1 ] && [ "${line%%=*}" = "\"$2\"" ]; then
      v=${line#*=}
      case $v in dword:*) v=$((16#${v#dword:})); [ "$v" -ge 2147483648 ] && v=$((v - 4294967296));; esac
      echo "$v"
      return 0
    fi
  done < "$NORVANE_SETTINGS"
}
expect_setting() {  # SECTION NAME EXPECTED WHEN
  local v; v=$(setting "$1" "$2")
  [ "$v" = "$3" ] || fail "$4: stored $1 $2 is '$v', expected '$3'"
}
geom() {  # "LEFT,TOP WIDTHxHEIGHT" of a window, as the X server has it
  xdotool getwindowgeometry "$1" 2>/dev/null |
    awk '/Position:/ {p = $2} /Geometry:/ {g = $2} END {print p " " g}'
}
wait_geom() {  # WINDOW EXPECTED WHEN: polls for up to 5 s
  for _ in $(seq 50); do [ "$(geom "$1")" = "$2" ] && return 0; sleep 0.1; done
  fail "$3: window at $(geom "$1"), expected $2"
}
# Places of the controls in window coordinates, from the probe: "NAME X Y W H"
# (the simple-mode ones are named simple...).
layout_of() {  # WIDTH HEIGHT FILE
  NORVANE_SETTINGS=$work/probe.reg "$probe" layout "$1" "$2" > "$3" 2>/dev/null || fail "probe layout $1x$2"
}
centre() { awk -v n="$1" '$1 == n {print int($2 + $4 / 2), int($3 + $5 / 2)}' "${2:-$work/normal.layout}"; }
rect() { awk -v n="$1" '$1 == n {print $2, $3, $4, $5}' "${2:-$work/normal.layout}"; }
click() {  # WINDOW NAME [LAYOUT]
  local at; at=$(centre "$2" "${3:-}"); [ -n "$at" ] || fail "no place for $2"
  # shellcheck disable=SC2086
  xdotool mousemove --window "$1" $at click 1
}
shaky_click() {  # WINDOW NAME: press, drift one or two pixels, release
  local at; at=$(centre "$2")
  # shellcheck disable=SC2086
  xdotool mousemove --window "$1" $at mousedown 1 sleep 0.1 mousemove_relative 1 1 sleep 0.1 \
    mousemove_relative 1 0 sleep 0.1 mouseup 1
}
ink() {  # WINDOW X Y W H: "colours=N rows=M common=#rrggbb hash=H"
  "$probe" ink "$@" 2>/dev/null
}
field() { local v=${2#*$1=}; echo "${v%% *}"; }
page_ink() {
  local x y w h; read -r x y w h <<< "$(rect page)"
  ink "$win" $((x + 2)) $((y + 2)) $((w - 4)) $((h - 4))
}
# A page shows its rows: many colours (text, pictures, bands) on most pixel rows.
page_shows_rows() {
  local r h; r=$(page_ink); h=$(rect page | awk '{print $4 - 4}')
  [ "$(field colours "$r")" -ge 50 ] && [ "$(field rows "$r")" -ge $((h / 2)) ]
}
wait_rows() {  # WHEN: polls for up to 3 s
  for _ in $(seq 30); do page_shows_rows && return 0; sleep 0.1; done
  fail "$1: the page shows no rows ($(page_ink))"
}

layout_of 514 324 "$work/normal.layout"
grep -q '^simpleMenu ' "$work/normal.layout" || fail "probe gave no simple-mode layout"

# Every page from the timer page: each shows its rows when its tab is clicked,
# also a few ticks later; the window stays where it is. A warrior at level 75
# is stored, so the skill page shows its caps.
write_settings 200 100 500 500
cat >> "$NORVANE_SETTINGS" <<EOT

[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Option]
"SkillJob"=dword:00000000
"SkillLv"=dword:0000004b
EOT
"$prog" & main=$!; pids+=($main)
win=$(wait_window) || fail "no window for the page tour"
wait_geom "$win" "200,100 514x324" "start at the stored place"
wait_rows "timer page at start"
last=$(page_ink)
for tab in 2 3 4 5 6 7; do
  click "$win" "tab$tab"
  # The click shows another page, and that page shows its rows.
  for _ in $(seq 30); do [ "$(field hash "$(page_ink)")" != "$(field hash "$last")" ] && break; sleep 0.1; done
  [ "$(field hash "$(page_ink)")" != "$(field hash "$last")" ] || fail "tab $tab changed nothing"
  wait_rows "page $tab after its tab click"
  sleep 1.1  # two ticks more
  page_shows_rows || fail "page $tab lost its rows after some ticks ($(page_ink))"
  "$shot" "$out/page-$tab.png" "$win" || fail "screenshot of page $tab"
  last=$(page_ink)
  [ "$(geom "$win")" = "200,100 514x324" ] || fail "tab $tab moved the window to $(geom "$win")"
done
"$prog" --post "NORVANE Main Exit Message" || fail "--post after the page tour"
wait_exit "$main" 100 || fail "copy did not close after the page tour"
expect_setting Option Page 6 "closed on the calendar page"
expect_setting Option SkillJob 0 "closed after the page tour"
expect_setting Option SkillLv 75 "closed after the page tour"
expect_setting Option Skin '"blue.skn"' "the skin chosen when none was"
expect_setting Window Left 200 "closed after the page tour"
expect_setting Window Top 100 "closed after the page tour"

# Mode switches and the simple window.
"$prog" & main=$!; pids+=($main)
win=$(wait_window) || fail "no window for the mode switches"
wait_geom "$win" "200,100 514x324" "second start"
click "$win" tab1
wait_rows "timer page after its tab click"
click "$win" toSimple
wait_geom "$win" "500,500 426x56" "to simple mode"
"$shot" "$out/simple-switched.png" "$win" || fail "screenshot after the switch"

# The menu button under a shaky hand: a click that opens the menu, no drag.
read -r mx my _ _ <<< "$(rect simpleMenu)"
under_menu() { ink 0 $((500 + mx)) $((500 + my + 20)) 40 16; }
before=$(under_menu)
shaky_click "$win" simpleMenu
for _ in $(seq 30); do [ "$(under_menu)" != "$before" ] && break; sleep 0.1; done
[ "$(under_menu)" != "$before" ] || fail "no menu under the menu button after its click"
[ "$(geom "$win")" = "500,500 426x56" ] || fail "pressing the menu button moved the window to $(geom "$win")"
xdotool key Escape
for _ in $(seq 30); do [ "$(under_menu)" = "$before" ] && break; sleep 0.1; done

# A small drag on the game-time digits moves the window by as much.
read -r cx cy <<< "$(centre simpleClock)"
xdotool mousemove --window "$win" "$cx" "$cy" mousedown 1 sleep 0.1 mousemove_relative 1 1 sleep 0.1 \
  mousemove_relative 2 1 sleep 0.1 mouseup 1
wait_geom "$win" "503,502 426x56" "dragged by the clock digits"

# The return button under a shaky hand: back to normal mode, where it was.
shaky_click "$win" simpleReturn
wait_geom "$win" "200,100 514x324" "back to normal mode"
expect_setting 'Window\Simple' Left 503 "returned to normal mode"
expect_setting 'Window\Simple' Top 502 "returned to normal mode"

# The weekday forecast opens under its picture.
read -r wx wy _ wh <<< "$(rect weekPicture)"
click "$win" weekPicture
popup=
for _ in $(seq 30); do
  for id in $(xdotool search --onlyvisible --classname '^norvane$' 2>/dev/null); do [ "$id" != "$win" ] && popup=$id; done
  [ -n "$popup" ] && break
  sleep 0.1
done
[ -n "$popup" ] || fail "no weekday forecast window"
popup_at=$(geom "$popup"); popup_at=${popup_at%% *}
# The clock panel is laid out after the first clock texts, which may differ by
# a pixel in width between the probe and the program.
dx=$((${popup_at%,*} - (200 + wx))) dy=$((${popup_at#*,} - (100 + wy + wh)))
[ "${dx#-}" -le 3 ] && [ "${dy#-}" -le 3 ] ||
  fail "weekday forecast at $popup_at, expected under its picture at $((200 + wx)),$((100 + wy + wh))"
xdotool mousemove --window "$popup" 10 10 click 1
for _ in $(seq 30); do xdotool search --onlyvisible --classname '^norvane$' | grep -qx "$popup" || break; sleep 0.1; done

# From a maximized window to simple mode and back, then restored.
click "$win" maximize
read -r sw sh <<< "$(xdotool getdisplaygeometry)"
wait_geom "$win" "0,0 ${sw}x${sh}" "maximized"
layout_of "$sw" "$sh" "$work/maximized.layout"
click "$win" toSimple "$work/maximized.layout"
wait_geom "$win" "503,502 426x56" "to simple mode from maximized"
for v in Left:200 Top:100 Width:514 Height:324; do
  expect_setting Window "${v%%:*}" "${v#*:}" "simple mode entered from maximized"
done
shaky_click "$win" simpleReturn
wait_geom "$win" "0,0 ${sw}x${sh}" "maximized again on return"
"$shot" "$out/maximized.png" "$win" || fail "screenshot of the maximized window"
click "$win" maximize "$work/maximized.layout"
wait_geom "$win" "200,100 514x324" "restored after the round trip"

# Simple mode again; the exit button under a shaky hand ends the program.
click "$win" toSimple
wait_geom "$win" "503,502 426x56" "to simple mode again"
shaky_click "$win" simpleExit
wait_exit "$main" 50 || fail "the exit button's click was lost"
expect_setting 'Window\Simple' Left 503 "closed in simple mode"
expect_setting 'Window\Simple' Top 502 "closed in simple mode"
expect_setting Window Left 200 "closed in simple mode"
expect_setting Window Top 100 "closed in simple mode"
expect_setting Option SimpleMode '"1"' "closed in simple mode"

# The next start opens simple where it was left; back to normal and closed there.
"$prog" & main=$!; pids+=($main)
win=$(wait_window) || fail "no window in stored simple mode"
wait_geom "$win" "503,502 426x56" "start in stored simple mode"
shaky_click "$win" simpleReturn
wait_geom "$win" "200,100 514x324" "normal mode after a simple start"
"$prog" --post "NORVANE Main Exit Message" || fail "--post after the simple start"
wait_exit "$main" 100 || fail "copy did not close after the simple start"
expect_setting Window Left 200 "closed in normal mode after a simple start"
expect_setting Window Top 100 "closed in normal mode after a simple start"
expect_setting 'Window\Simple' Left 503 "closed in normal mode after a simple start"
expect_setting 'Window\Simple' Top 502 "closed in normal mode after a simple start"
# A skin picked from the keyboard's menu and a quit right after it: the choice
# is stored. With a chosen file that is not there, the first entry of the
# window-colour menu is a real skin other than the one stored.
cat > "$NORVANE_SETTINGS" <<'EOT'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Tobrin\Norvane\Option]
"Skin"="gone.skn"
EOT
"$prog" & main=$!; pids+=($main)
win=$(wait_window) || fail "no window for the skin choice"
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool key --delay 200 alt+m c Return
"$prog" --post "NORVANE Main Exit Message" || fail "--post after the skin choice"
wait_exit "$main" 100 || fail "copy did not close after the skin choice"
skin=$(setting Option Skin); skin=${skin//\"/}
case "$skin" in
  *.skn) [ "$skin" != gone.skn ] && [ -f "$(dirname "$prog")/$skin" ] || fail "the skin chosen just before the quit was not stored: '$skin'" ;;
  *) fail "no skin stored after the choice: '$skin'" ;;
esac
# Time synchronisation, against a loopback port where nothing answers (the clock
# is never set): the start-up synchronisation asks once the window shows, and
# "いいえ" ends it; the menu's "時刻の同期(&T)" asks again, and "はい" ends in the
# warning box while the state stays "時刻未同期".
cat > "$NORVANE_SETTINGS" <<'EOT'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Tobrin\Norvane\Time]
"Server"="127.0.0.1:9"
"ExecuteSync"=dword:00000001
EOT
wait_named() {  # TITLE COUNT: waits until COUNT visible windows have exactly that title
  for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l)" -ge "$2" ] && return 0
    sleep 0.1
  done
  return 1
}
"$prog" & main=$!; pids+=($main)
win=$(wait_window) || fail "no window for the synchronisation"
wait_named '時刻同期の確認 - Norvane' 1 || fail "the start-up synchronisation did not ask"
"$shot" "$out/sync_confirm.png" || fail "screenshot of the confirmation"
xdotool key Escape
xdotool search --onlyvisible --name '^時刻同期の確認 - Norvane$' >/dev/null && sleep 0.5
xdotool search --onlyvisible --name '^時刻同期の確認 - Norvane$' >/dev/null && fail "Esc did not close the confirmation"
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool key alt+m t
wait_named '時刻同期の確認 - Norvane' 1 || fail "the menu's 時刻の同期 did not ask"
xdotool key Return
wait_named 'Norvane' 2 || fail "no warning after a server that cannot be reached"
"$shot" "$out/sync_warning.png" || fail "screenshot of the warning"
xdotool key Return
# The version dialog from the menu's "バージョン情報(&B)..."; Esc closes it.
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool key alt+m b
for _ in $(seq 50); do xdotool search --onlyvisible --name '^バージョン情報' >/dev/null 2>&1 && break; sleep 0.1; done
ver=$(xdotool search --onlyvisible --name '^バージョン情報' 2>/dev/null | head -n 1)
[ -n "$ver" ] || fail "the menu's バージョン情報 showed no dialog"
"$shot" "$out/version.png" "$ver" || fail "screenshot of the version dialog"
xdotool key Escape
for _ in $(seq 30); do xdotool search --onlyvisible --name '^バージョン情報' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name '^バージョン情報' >/dev/null 2>&1 && fail "Esc did not close the version dialog"
# The options dialog from the menu: modal, centred, and closed by Esc without storing.
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool key alt+m o
wait_named 'オプション - Norvane' 1 || fail "the menu's オプション did not open the dialog"
"$shot" "$out/options.png" || fail "screenshot of the options dialog"
xdotool key Escape
for _ in $(seq 30); do xdotool search --onlyvisible --name '^オプション - Norvane$' >/dev/null || break; sleep 0.1; done
xdotool search --onlyvisible --name '^オプション - Norvane$' >/dev/null && fail "Esc did not close the options dialog"
"$prog" --post "NORVANE Main Exit Message" || fail "--post after the synchronisation"
wait_exit "$main" 100 || fail "copy did not close after the synchronisation"
grep -qi '"TimeServerAccess"' "$NORVANE_SETTINGS" && fail "the question was silenced without its box checked (or the cancelled options dialog stored it)"
# A countdown as a player starts it: cell 1 holds "15秒", and a click on its Start
# button shows the full 00:15 at once and for the whole first second. The idle
# cell reads the same, so the digits must look as before the click in a picture
# taken while the start time has appeared and under 0.9 s has passed; then they
# count down.
write_settings 200 100 500 500
cat >> "$NORVANE_SETTINGS" <<EOT

[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Timer]
"Item1"=dword:00000001
EOT
"$prog" & main=$!; pids+=($main)
win=$(wait_window) || fail "no window for the countdown"
wait_geom "$win" "200,100 514x324" "start for the countdown"
wait_rows "timer page for the countdown"
cell_ink() {  # the reading's and the start time's regions of cell 1, from one picture
  ink "$win" $(rect timerDisplay1) $(rect timerStarted1)
}
line() { sed -n "$1p" <<< "$2"; }
idle=$(cell_ink)
[ "$(field colours "$(line 1 "$idle")")" -ge 2 ] || fail "cell 1 shows no reading ($idle)"
now_ms() { date +%s%3N; }
first=
for _ in 1 2 3 4 5; do
  t0=$(now_ms)
  click "$win" timerStart1
  while seen=$(cell_ink) && [ $(($(now_ms) - t0)) -lt 900 ]; do
    if [ "$(field hash "$(line 2 "$seen")")" != "$(field hash "$(line 2 "$idle")")" ]; then first=$seen; break 2; fi
  done
  # Too slow to judge the first second this time: back to idle and again.
  click "$win" timerReset1
  for _ in $(seq 30); do [ "$(cell_ink)" = "$idle" ] && break; sleep 0.1; done
done
[ -n "$first" ] || fail "no picture of the countdown within its first second in five tries"
"$shot" "$out/countdown.png" "$win" || fail "screenshot of the countdown"
[ "$(field hash "$(line 1 "$first")")" = "$(field hash "$(line 1 "$idle")")" ] ||
  fail "the countdown's first second does not show its full length 00:15"
counting=
for _ in $(seq 30); do
  [ "$(field hash "$(line 1 "$(cell_ink)")")" != "$(field hash "$(line 1 "$idle")")" ] && counting=1 && break
  sleep 0.1
done
[ -n "$counting" ] || fail "the countdown does not count down"
"$prog" --post "NORVANE Main Exit Message" || fail "--post after the countdown"
wait_exit "$main" 100 || fail "copy did not close after the countdown"
echo "e2e: passed (screenshots in $out)"
