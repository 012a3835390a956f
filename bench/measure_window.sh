#!/usr/bin/env bash
# Measures Norvane against a minimal Qt clock under the same X server: time from
# start to first shown window, resident memory, and CPU while idle over a period.
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

# One start: "wall_ms cpu_ms" up to the first shown window (bench/window_start).
"${norvane[@]}" --version >/dev/null  # warm the file cache for both
min_wall=() min_cpu=() nor_wall=() nor_cpu=()
for _ in $(seq "$runs"); do
  read -r w c < <("$build/bench/window_start" Minimal "${minimal[@]}" 2>/dev/null)
  min_wall+=("$w"); min_cpu+=("$c")
  read -r w c < <("$build/bench/window_start" Norvane "${norvane[@]}" 2>/dev/null)
  nor_wall+=("$w"); nor_cpu+=("$c")
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

report() {  # name walls[] cpus[] rss idle
  local name=$1 wall=$2 cpu=$3 rss=$4 idlecpu=$5
  printf '%-8s start %4d ms (CPU %5.1f ms)   rss %6d KiB   idle cpu %4d ms over %ds\n' \
    "$name" "$wall" "$cpu" "$rss" "$idlecpu" "$idle"
}

read -r min_rss min_idle < <(idle_and_rss Minimal "${minimal[@]}")
read -r nor_rss nor_idle < <(idle_and_rss Norvane "${norvane[@]}")
mw=$(median "${min_wall[@]}") mc=$(median "${min_cpu[@]}")
nw=$(median "${nor_wall[@]}") nc=$(median "${nor_cpu[@]}")
report minimal "$mw" "$mc" "$min_rss" "$min_idle"
report norvane "$nw" "$nc" "$nor_rss" "$nor_idle"
echo "starts (ms)  minimal: ${min_wall[*]}"
echo "             norvane: ${nor_wall[*]}"
echo "start quartiles (ms)  minimal $(quartiles "${min_wall[@]}")   norvane $(quartiles "${nor_wall[@]}")"
awk -v nw="$nw" -v mw="$mw" -v nr="$nor_rss" -v mr="$min_rss" -v ni="$nor_idle" -v mi="$min_idle" \
  'BEGIN { printf "ratios: start %.2f   rss %.2f   idle cpu %s\n", nw / mw, nr / mr, (mi > 0 ? sprintf("%.2f", ni / mi) : "n/a (minimal used 0)") }'
