# Sourced by the scripts that start the real program: a scratch folder for its
# settings and runtime files, and the processes the script starts (add each to
# pids), ended last-started first, the program before its display server, when
# the script exits.
work=$(mktemp -d)
export NORVANE_SETTINGS=$work/Norvane.reg
export NORVANE_RUNTIME_DIR=$work/run
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Prints the id of the first visible window `xdotool search` finds with ARGS,
# waiting up to TENTHS tenths of a second for one; fails when none shows.
await_window() {  # TENTHS ARGS...
  local tenths=$1 id
  shift
  for _ in $(seq "$tenths"); do
    id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
