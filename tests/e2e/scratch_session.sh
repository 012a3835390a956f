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
