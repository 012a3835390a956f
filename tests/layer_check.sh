#!/usr/bin/env bash
# Fails when an include points up the layers: platform includes nothing of ours
# but platform/, core adds core/ and nothing of Qt beyond QtCore, gui may use all three.
#   layer_check.sh SRC_DIR [QTCORE_INCLUDE_DIR]
set -u
src=$1
qtcore=${2:-}
bad=0
report() { echo "layer_check: $1: $2"; bad=1; }

check() {  # layer, allowed quoted prefixes (regex)
  local layer=$1 allowed=$2 f line inc
  while IFS= read -r f; do
    while IFS= read -r line; do
      inc=${line#*\"}; inc=${inc%%\"*}
      [[ $inc =~ ^($allowed) ]] || report "$f" "includes \"$inc\""
    done < <(grep -E '^\s*#\s*include\s*"' "$f")
    grep -nE '^\s*#\s*include\s*<(QtWidgets|QtGui)/' "$f" | while IFS= read -r l; do echo "layer_check: $f: $l"; done | grep . && bad=1
    if [ "$layer" != gui ] && [ -n "$qtcore" ]; then
      while IFS= read -r inc; do
        [ -e "${qtcore%/QtCore}/QtWidgets/$inc" ] && report "$f" "includes the widget header <$inc>"
      done < <(grep -oE '^\s*#\s*include\s*<Q[A-Za-z]*>' "$f" | sed -E 's/.*<(.*)>/\1/')
    fi
    if [ "$layer" = core ] && [ -n "$qtcore" ]; then
      while IFS= read -r inc; do
        [ -e "$qtcore/$inc" ] || report "$f" "includes <$inc>, which is not part of QtCore"
      done < <(grep -oE '^\s*#\s*include\s*<Q[A-Za-z]*>' "$f" | sed -E 's/.*<(.*)>/\1/')
    fi
  done < <(find "$src/$layer" -name '*.h' -o -name '*.cpp')
}

check platform 'platform/'
check core 'core/|platform/|buildinfo\.h$'
check gui 'gui/|core/|platform/'

if [ $bad -ne 0 ]; then
  echo "layer_check: includes must point down: gui -> core -> platform"
  exit 1
fi
echo "layer_check: 1 passed, 0 failed"
