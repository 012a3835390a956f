#!/usr/bin/env bash
# Starts the real program natively under a Wayland compositor (weston, headless,
# no X server anywhere) and checks, as a user would see it: the window maps and
# paints its pages in normal mode and its clock row in simple mode, each at the
# size the program gives it, and the exit message of a second start closes it.
# Ends with 77 (skipped) where weston or the toolkit's Wayland support is missing.
#   wayland_window.sh NORVANE OUTDIR E2E_PROBE
set -u
prog=$1 out=$2 probe=$3
for tool in weston weston-screenshooter; do
  command -v "$tool" >/dev/null || { echo "wayland: $tool is not installed, skipped"; exit 77; }
done
mkdir -p "$out"
rm -f "$out"/wayland-*.png
source "$(dirname "$0")/scratch_session.sh"
mkdir -m 700 "$work/xdg"
export XDG_RUNTIME_DIR=$work/xdg
export WAYLAND_DISPLAY=norvane-e2e-$$
export QT_QPA_PLATFORM=wayland
unset DISPLAY
background=204060
fail() {
  echo "wayland: FAIL: $*" >&2
  [ -f "$work/weston.log" ] && tail -n 5 "$work/weston.log" >&2
  exit 1
}
wait_exit() {  # pid, tenths of a second
  for _ in $(seq "$2"); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

# A plain background and no panel, so that whatever is not background is the window.
cat > "$work/weston.ini" <<EOT
[core]
idle-time=0
[shell]
background-color=0xff$background
panel-position=none
locking=false
EOT
# --debug lets weston-screenshooter take the screen; pixman draws it in memory.
weston --backend=headless-backend.so --use-pixman --debug --width=1024 --height=768 \
  --socket="$WAYLAND_DISPLAY" --config="$work/weston.ini" --log="$work/weston.log" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start"

# Waits until the screen holds a painted window of WIDTH x HEIGHT; leaves the
# picture as $out/wayland-NAME.png.   painted NAME WIDTH HEIGHT MINCOLOURS
painted() {
  local r=
  for _ in $(seq 30); do
    rm -f "$work"/shots/*.png
    mkdir -p "$work/shots"
    (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1)
    local shot
    shot=$(ls "$work"/shots/*.png 2>/dev/null | head -n 1)
    if [ -n "$shot" ]; then
      # The probe only reads the picture: it needs no display of its own.
      r=$(QT_QPA_PLATFORM=offscreen "$probe" ink-file "$shot" "$background" 2>/dev/null)
      local size colours rows
      size=$(echo "$r" | sed -n 's/^box=[0-9]*,[0-9]*,\([0-9]*\),\([0-9]*\) .*/\1x\2/p')
      colours=$(echo "$r" | sed -n 's/.*colours=\([0-9]*\).*/\1/p')
      rows=$(echo "$r" | sed -n 's/.*rows=\([0-9]*\).*/\1/p')
      cp "$shot" "$out/wayland-$1.png"
      # Text, pictures and lines on most rows: drawn, not only a filled rectangle.
      [ "$size" = "$2x$3" ] && [ "${colours:-0}" -ge "$4" ] && [ "${rows:-0}" -ge $(($3 / 2)) ] && return 0
    fi
    sleep 0.5
  done
  echo "wayland: last look at the screen: ${r:-no picture}" >&2
  return 1
}

# Normal mode.
"$prog" 2>"$work/normal.err" & main=$!; pids+=($main)
if ! painted normal 514 324 50; then
  grep -q 'platform plugin "wayland"' "$work/normal.err" && { echo "wayland: the toolkit has no Wayland support, skipped"; exit 77; }
  cat "$work/normal.err" >&2
  fail "no painted 514x324 window under Wayland (picture in $out/wayland-normal.png)"
fi
"$prog" --post "NORVANE Main Exit Message" || fail "--post did not reach the running copy"
wait_exit "$main" 100 || fail "the window did not close on the exit message"
wait "$main"; [ $? -eq 0 ] || fail "the program ended with non-zero status: $(cat "$work/normal.err")"
[ -f "$NORVANE_SETTINGS" ] || fail "no settings file written on closing"

# Simple mode: the clock row alone, at its one size.
"$prog" /s 2>"$work/simple.err" & main=$!; pids+=($main)
painted simple 426 56 20 || fail "no painted 426x56 simple window under Wayland (picture in $out/wayland-simple.png)"
"$prog" --post "NORVANE Main Exit Message" || fail "--post in simple mode"
wait_exit "$main" 100 || fail "the simple window did not close on the exit message"
wait "$main"; [ $? -eq 0 ] || fail "the simple copy ended with non-zero status: $(cat "$work/simple.err")"
grep -q '"SimpleMode"="1"' "$NORVANE_SETTINGS" || fail "SimpleMode not stored"
echo "wayland: the window maps, paints and takes messages under Wayland"
exit 0
