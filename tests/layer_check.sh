#!/usr/bin/env bash
# Fails when an include or a link points up the layers: platform includes nothing
# of ours but platform/ and nothing of Qt beyond QtCore (its modules loaded on
# demand aside); platform_gui adds Qt Gui; core adds core/ and nothing of Qt
# beyond QtCore; gui may use them all. The libraries link the same way.
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
    if { [ "$layer" = core ] || { [ "$layer" = platform ] && [[ $f != *_module.cpp ]]; }; } && [ -n "$qtcore" ]; then
      while IFS= read -r inc; do
        [ -e "$qtcore/$inc" ] || report "$f" "includes <$inc>, which is not part of QtCore"
      done < <(grep -oE '^\s*#\s*include\s*<Q[A-Za-z]*>' "$f" | sed -E 's/.*<(.*)>/\1/')
    fi
  done < <(find "$src/$layer" -name '*.h' -o -name '*.cpp')
}

check platform 'platform/'
check platform_gui 'platform_gui/|platform/'
check core 'core/|platform/|buildinfo\.h$'
check gui 'gui/|core/|platform_gui/|platform/'

# What a library links, as its CMakeLists.txt says: nothing above it, and of Qt
# only the modules its layer allows.
links() {  # folder, library, allowed libraries of ours and of Qt (regex)
  local dir=$1 lib=$2 allowed=$3 line dep
  line=$(tr '\n' ' ' < "$src/$dir/CMakeLists.txt" | grep -oE "target_link_libraries\($lib [^)]*\)")
  [ -n "$line" ] || { report "$dir/CMakeLists.txt" "no target_link_libraries($lib ...)"; return; }
  while IFS= read -r dep; do
    [[ $dep =~ ^($allowed)$ ]] || report "$dir/CMakeLists.txt" "$lib links $dep"
  done < <(grep -oE 'Qt6::[A-Za-z]+|norvane_[a-z_]+' <<<"${line#*"$lib"}")
}
links platform norvane_platform 'Qt6::Core'
links platform_gui norvane_platform_gui 'norvane_platform|Qt6::Core|Qt6::Gui'
links core norvane_core 'norvane_platform|Qt6::Core'

if [ $bad -ne 0 ]; then
  echo "layer_check: includes and links must point down: gui -> core -> platform, gui -> platform_gui -> platform"
  exit 1
fi
echo "layer_check: 1 passed, 0 failed"
