#!/usr/bin/env bash
# Measures Norvane against a minimal Qt clock under the same X server: time from
# start to first shown window, resident memory, and CPU while idle over a period.
#   bench/measure_window.sh [BUILD_DIR] [IDLE_SECONDS]
set -u
build=${1:-build}
idle=${2:-60}
work=$(mktemp -d)
export NORVANE_SETTINGS=$work/Norvane.reg NORVANE_RUNTIME_DIR=$work/run
unset QT_QPA_PLATFORM
pids=()
trap 'for p in "${pids[@]}"; do kill $p 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"' EXIT
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { export DISPLAY=:$n; break; }
  done
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
  sleep 1
  openbox >/dev/null 2>&1 & pids+=($!)
  sleep 0.5
fi
hz=$(getconf CLK_TCK)

start_ms() {  # title command...: time from start to the first shown window
  "$build/bench/window_start" "$@" 2>/dev/null
}

measure() {  # name title command...
  local name=$1 title=$2; shift 2
  local starts=() pid
  for _ in 1 2 3 4 5 6 7 8 9; do starts+=($(start_ms "$title" "$@")); done
  local median
  median=$(printf '%s\n' "${starts[@]}" | sort -n | sed -n 5p)
  "$@" 2>/dev/null & pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do sleep 0.005; done
  sleep 2
  local rss cpu0 cpu1
  rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  cpu0=$(awk '{print $14 + $15}' /proc/$pid/stat)
  sleep "$idle"
  cpu1=$(awk '{print $14 + $15}' /proc/$pid/stat)
  kill $pid; wait $pid 2>/dev/null
  printf '%-8s start %5d ms (median of 9: %s)   rss %6d KiB   idle cpu %5d ms over %ds\n' "$name" \
    "$median" "${starts[*]}" "$rss" $(((cpu1 - cpu0) * 1000 / hz)) "$idle"
}

measure minimal Minimal "$build/bench/minimal_clock"
measure norvane Norvane "$build/src/norvane"
