#!/usr/bin/env bash
# Installs the win64 build into a Wine prefix by hand, the way the installer
# lays it out: the installation directory with the programs, the two INI
# files and the skins, KvTV.dll in the system directory, and the win.ini AP
# keys that point the panel at them.
#
#   tools/install-by-hand.sh BIN_DIR    (WINEPREFIX names the prefix; default build/wineprefix)
#
# Prints the installation directory (Windows form).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin=${1:?usage: install-by-hand.sh BIN_DIR}
export WINEPREFIX=${WINEPREFIX:-$top/build/wineprefix}

target="$WINEPREFIX/drive_c/Program Files/TV Drovan"
mkdir -p "$target"
cp "$bin/qor.exe" "$target/qor.exe"
cp "$bin/video.exe" "$target/video.ex_"
cp "$top/data/QorSFile.ini" "$target/QorSFile.ini"
cp "$top/skins/QorPFile.ini" "$target/QorPFile.ini"
for n in 1 2 3; do
  rm -rf "$target/panelbmp$n"
  cp -r "$top/skins/panelbmp$n" "$target/panelbmp$n"
done
cp "$bin/KvTV.dll" "$WINEPREFIX/drive_c/windows/system32/KvTV.dll"

drive='C:\Program Files\TV Drovan'
q="$top/tools/wine/qwine"
"$q" -t 60 "$bin/qordrive.exe" winini-set AP 222APDirectory "$drive" >/dev/null
"$q" -t 60 "$bin/qordrive.exe" winini-set AP QorPanelIniFile QorPFile.ini >/dev/null
"$q" -t 60 "$bin/qordrive.exe" winini-set AP QorSettingIniFile QorSFile.ini >/dev/null
echo "$drive"
