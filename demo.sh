#!/usr/bin/env bash
# The main job: builds the suite, installs it into a private Wine prefix
# (build/demo-prefix) and starts the control panel with the TV window
# stand-in.  With a display (DISPLAY set and answering) the panel opens
# there for you to use; without one it runs under an Xvfb of its own, and
# screenshots are saved under build/screenshots/ and their paths printed.
set -euo pipefail
QOR_TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$QOR_TOP"
# shellcheck source=tools/setup-machine.sh
. tools/setup-machine.sh
qor_install_packages

echo "== building"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target qor video qordrive KvTV >/dev/null

export WINEPREFIX=$QOR_TOP/build/demo-prefix
own_display=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  qor_xvfb_start
  own_display=1
fi
cleanup() { qor_wine_stop; [ "$own_display" = 1 ] && qor_xvfb_stop; true; }
trap cleanup EXIT
qor_wine_start

echo "== installing into $WINEPREFIX"
install_dir=$(tools/install-by-hand.sh build/win64/bin)
echo "   installation directory: $install_dir"
qwine=tools/wine/qwine
drive=build/win64/bin/qordrive.exe
unix_dir="$WINEPREFIX/drive_c/Program Files/TV Drovan"

if [ "$own_display" = 0 ]; then
  echo "== starting the panel on $DISPLAY (close it from its tray menu, or Ctrl+C here)"
  "$qwine" -t 86400 "$unix_dir/qor.exe"
  exit 0
fi

echo "== starting the panel under Xvfb ($DISPLAY)"
shots=$QOR_TOP/build/screenshots
mkdir -p "$shots"
"$qwine" -t 300 "$unix_dir/qor.exe" >/dev/null 2>&1 &
qor_pid=$!

# A first start asks for the country: show the dialog, then take its OK.
if "$qwine" -t 40 "$drive" wait "#32770" - 30000 >/dev/null; then
  sleep 1
  import -window root "$shots/demo-country.png"
  echo "   country dialog: $shots/demo-country.png"
  "$qwine" -t 20 "$drive" command "#32770" - 1 0 >/dev/null
fi
"$qwine" -t 40 "$drive" wait "Kestrova Glimvale" Panel 30000 >/dev/null
# On a first start the panel waits 6 s for the new TV window before its
# first channel scan; it paints once that wait is over.
sleep 8
import -window root "$shots/demo-panel.png"
echo "   panel: $shots/demo-panel.png"
echo "   settings written by the panel:"
sed 's/\r$//;s/^/      /' "$unix_dir/QorSFile.ini" | head -n 20
echo "      ..."
"$qwine" -t 20 "$drive" command "Kestrova Glimvale" Panel 32772 0 >/dev/null || true
wait "$qor_pid" || true
echo "== done"
