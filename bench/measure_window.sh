#!/usr/bin/env bash
# Measures Norvane against a minimal Qt clock under the same X server: time from
# start to first shown window (its map, and its first paint, when the clock
# appears), resident memory, and CPU while idle over a period.
#   bench/measure_window.sh [BUILD_DIR] [IDLE_SECONDS] [STARTS]
# Starts alternate between the two programs, so a change in the machine's load
# falls on both alike; each figure is the median of STARTS (default 15).
set -u
build=${1:-build}
idle=${2:-60}
runs=${3:-15}
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
minimal=("$build/bench/minimal_clock")
norvane=("$build/src/norvane")

# Median of a list of numbers.
median() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END{print v[int((NR+1)/2)]}'; }
# First and third quartile of a list of numbers, as "q1-q3": how far one start strays.
quartiles() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END{print v[int((NR+3)/4)] "-" v[int((3*NR+1)/4)]}'; }

# One start: "map_ms cpu_ms paint_ms paint_cpu_ms" (bench/window_start).
"${norvane[@]}" --version >/dev/null  # warm the file cache for both
min_map=() min_cpu=() min_paint=() nor_map=() nor_cpu=() nor_paint=()
for _ in $(seq "$runs"); do
  read -r m c p _ < <("$build/bench/window_start" Minimal "${minimal[@]}" 2>/dev/null)
  min_map+=("$m"); min_cpu+=("$c"); min_paint+=("$p")
  read -r m c p _ < <("$build/bench/window_start" Norvane "${norvane[@]}" 2>/dev/null)
  nor_map+=("$m"); nor_cpu+=("$c"); nor_paint+=("$p")
done

idle_and_rss() {  # title command...: "rss_kib idle_cpu_ms" on a settled window
  local title=$1; shift
  local pid rss cpu0 cpu1
  "$@" 2>/dev/null & pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do sleep 0.05; done
  sleep 2
  rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  cpu0=$(awk '{print $14 + $15}' /proc/$pid/stat)
  sleep "$idle"
  cpu1=$(awk '{print $14 + $15}' /proc/$pid/stat)
  kill $pid; wait $pid 2>/dev/null
  echo "$rss $(((cpu1 - cpu0) * 1000 / hz))"
}

report() {  # name map cpu paint rss idle
  printf '%-8s map %5.1f ms (CPU %5.1f ms)   first paint %5.1f ms   rss %6d KiB   idle cpu %4d ms over %ds\n' \
    "$1" "$2" "$3" "$4" "$5" "$6" "$idle"
}

read -r min_rss min_idle < <(idle_and_rss Minimal "${minimal[@]}")
read -r nor_rss nor_idle < <(idle_and_rss Norvane "${norvane[@]}")
mm=$(median "${min_map[@]}") mc=$(median "${min_cpu[@]}") mp=$(median "${min_paint[@]}")
nm=$(median "${nor_map[@]}") nc=$(median "${nor_cpu[@]}") np=$(median "${nor_paint[@]}")
report minimal "$mm" "$mc" "$mp" "$min_rss" "$min_idle"
report norvane "$nm" "$nc" "$np" "$nor_rss" "$nor_idle"
echo "maps (ms)    minimal: ${min_map[*]}"
echo "             norvane: ${nor_map[*]}"
echo "paints (ms)  minimal: ${min_paint[*]}"
echo "             norvane: ${nor_paint[*]}"
echo "quartiles (ms)  map: minimal $(quartiles "${min_map[@]}"), norvane $(quartiles "${nor_map[@]}")" \
  "  first paint: minimal $(quartiles "${min_paint[@]}"), norvane $(quartiles "${nor_paint[@]}")"
awk -v nm="$nm" -v mm="$mm" -v np="$np" -v mp="$mp" -v nr="$nor_rss" -v mr="$min_rss" -v ni="$nor_idle" -v mi="$min_idle" \
  'BEGIN { printf "ratios: map %.2f   first paint %s   rss %.2f   idle cpu %s\n", nm / mm,
           (mp > 0 ? sprintf("%.2f", np / mp) : "n/a (no DAMAGE extension)"), nr / mr,
           (mi > 0 ? sprintf("%.2f", ni / mi) : "n/a (minimal used 0)") }'
