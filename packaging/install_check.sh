#!/usr/bin/env bash
# Installs the build into a scratch root and checks it as the package will lay
# it out: the program, its data and modules side by side in lib/norvane, a
# bin/norvane link through which the program still finds them, and the menu
# entry, icons and metainfo naming one another.
#   install_check.sh BUILD_DIR
set -u
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "install_check: FAIL: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
usr=$root/usr lib=$root/usr/lib/norvane
for f in norvane libnorvane_sound.so libnorvane_timedate.so libnorvane_notify.so norvane.hlp skill.ini ballista.ini blue.skn dark.skn; do
  [ -f "$lib/$f" ] || fail "$lib/$f missing"
done
[ -e "$lib/README.md" ] && fail "the data folder's developer notes were installed"
[ -x "$lib/norvane" ] || fail "the program is not executable"
[ -L "$usr/bin/norvane" ] || fail "bin/norvane is not a link"
[ "$(readlink -f "$usr/bin/norvane")" = "$(readlink -f "$lib/norvane")" ] || fail "bin/norvane points elsewhere"

# Started through the link, the program reads the data beside its real file:
# skill caps of a thief at 75 come from skill.ini.
caps=$("$usr/bin/norvane" --print skill --job thf --level 75) || fail "the installed program did not run"
grep -q '276' <<<"$caps" || fail "the installed program found no skill.ini: $caps"

desktop=$usr/share/applications/example.tobrin.Norvane.desktop
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx 'Exec=norvane' "$desktop" || fail "the menu entry does not start norvane"
grep -qx 'Categories=Utility;Clock;' "$desktop" || fail "the menu entry's categories"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "no ${size}px icon named $icon"
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
  # The PNG's own width and height (IHDR), big-endian at bytes 16 and 20.
  [ "$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')" = "$size $size" ] ||
    fail "$png is not ${size}x${size}"
done
metainfo=$usr/share/metainfo/example.tobrin.Norvane.metainfo.xml
grep -q '<launchable type="desktop-id">example.tobrin.Norvane.desktop</launchable>' "$metainfo" ||
  fail "the metainfo does not name the menu entry"
grep -q "<icon type=\"stock\">$icon</icon>" "$metainfo" || fail "the metainfo names another icon"
echo "install_check: passed"
