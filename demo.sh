#!/usr/bin/env bash
# The main job: builds the suite and its distribution medium, installs it
# into a private Wine prefix (build/demo-prefix) with SETUP.EXE /S, and
# starts the installed control panel with the TV window stand-in.  With a display (DISPLAY set and answering) the panel opens
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
cmake --build --preset win64 -j "$(nproc)" >/dev/null

export WINEPREFIX=$QOR_TOP/build/demo-prefix
own_display=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  qor_xvfb_start
  own_display=1
fi
cleanup() { qor_wine_stop; [ "$own_display" = 1 ] && qor_xvfb_stop; true; }
trap cleanup EXIT
qor_wine_start

qwine=tools/wine/qwine
drive=build/win64/bin/qordrive.exe
# A new prefix's user folders lead into the real home directory: keep the
# installer's desktop shortcut inside the prefix.
for link in "$WINEPREFIX"/drive_c/users/*/*; do
  [ -L "$link" ] && rm "$link" && mkdir -p "$link"
done
# What a system with DirectX 9 has: the BDA tuning key the installer checks.
"$qwine" -t 30 "$drive" reg-create HKCR 'BDATuner.ChannelTuneRequest.1\CLSID' >/dev/null
"$qwine" -t 30 "$drive" reg-set-string HKCU 'Software\Wine\DllOverrides' winemenubuilder.exe "" >/dev/null

echo "== installing with SETUP.EXE /S from build/win64/medium"
medium=$QOR_TOP/build/win64/medium
log=$QOR_TOP/build/demo-setup.log
rm -f "$log"
winlog="Z:$(printf '%s' "$log" | tr / '\\')"
# The destination goes last and takes the rest of the command line.
"$qwine" -t 300 "$medium/SETUP.EXE" /S "/LOG=$winlog" /D=C:\\Program Files\\TV Drovan
echo "   setup log: $log ($(wc -l < "$log") lines), for example:"
grep -m 6 -i -E 'copied|install|registry|win.ini' "$log" | sed 's/^/      /' || true
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
sleep 12
import -window root "$shots/demo-panel.png"
echo "   panel: $shots/demo-panel.png"
echo "   settings written by the panel:"
sed 's/\r$//;s/^/      /' "$unix_dir/QorSFile.ini" | head -n 20
echo "      ..."
"$qwine" -t 20 "$drive" command "Kestrova Glimvale" Panel 32772 0 >/dev/null || true
wait "$qor_pid" || true
echo "== done"
