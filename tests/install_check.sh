#!/usr/bin/env bash
# What a user installs: `cmake --install` (mode "install") or the Debian package built by
# `cpack -G DEB` (mode "deb") puts both programs, the help, the menu entry, the icon, the
# software-centre metainfo and the manual page where a desktop finds them; the menu entry
# and the metainfo pass their validators, the menu entry starts a program that is there,
# and the installed zarn-calc runs from where it was installed.
set -u
mode=$1 build=$2
id=org.zarncalculator.ZarnCalculator
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

case "$mode" in
  install)
    root=$work/prefix
    cmake --install "$build" --prefix "$root" >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
    ;;
  deb)
    (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/log" 2>&1 \
      || { cat "$work/log"; exit 1; }
    deb=$(ls "$work"/out/*.deb 2>/dev/null | head -n1)
    [ -n "$deb" ] || { echo "no package built"; cat "$work/log"; exit 1; }
    dpkg-deb -f "$deb" Package | grep -qx zarn-calculator || fail "package name"
    dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends lacks the Qt libraries: $(dpkg-deb -f "$deb" Depends)"
    dpkg-deb -x "$deb" "$work/root"
    root=$work/root/usr
    ;;
  *) echo "usage: install_check.sh install|deb BUILD_DIR"; exit 2 ;;
esac

for file in bin/zarn-calculator bin/zarn-calc share/zarn-calculator/help/index.html \
            share/zarn-calculator/help/help.css share/applications/$id.desktop \
            share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
            share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
            share/man/man1/zarn-calc.1.gz; do
  [ -s "$root/$file" ] || fail "$file is not installed"
done
[ "$(ls "$root/share/zarn-calculator/help"/*.html | wc -l)" = "$(ls "$(dirname "$0")"/../resources/help/*.html | wc -l)" ] \
  || fail "not every help page is installed"

desktop=$root/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$work/as" 2>&1 \
  || { cat "$work/as"; fail "appstreamcli validate"; }
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$root/bin/${exec_line%% *}" ] || fail "the menu entry starts \"$exec_line\", which is not installed"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -s "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the menu entry's icon \"$icon\" is not installed"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/share/metainfo/$id.metainfo.xml" \
  || fail "the metainfo does not launch $id.desktop"
gzip -t "$root/share/man/man1/zarn-calc.1.gz" || fail "the manual page is not a gzip file"

out=$(cd "$work" && "$root/bin/zarn-calc" convert temperature 100 celsius 2>&1)
printf '%s\n' "$out" | grep -qx "Fahrenheit	212" || fail "the installed zarn-calc printed: $out"

[ "$failures" -eq 0 ]
