#!/usr/bin/env bash
# The main job: builds the suite and shows it working.
# For now: the settings store on a sample settings file, through our own
# store (native initool) and through the system's functions (win64 initool
# under Wine), side by side.
set -euo pipefail
QOR_TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$QOR_TOP"
# shellcheck source=tools/setup-machine.sh
. tools/setup-machine.sh
qor_install_packages

for preset in native win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)" --target initool >/dev/null
done

demo=$QOR_TOP/build/demo
rm -rf "$demo" && mkdir -p "$demo/ours" "$demo/system"
sample=$'[ZuntoCrossbar]\r\nInputSource=4\r\n\r\n[vemla]\r\nAlwaysOnTop=true\r\nCaptureBitRate=1000000000000000000000000000000000000000000000\r\n[AudioProcAmp]\r\nVolumeValue= 128 \r\n'
printf '%s' "$sample" > "$demo/ours/QorSFile.ini"
printf '%s' "$sample" > "$demo/system/QorSFile.ini"

trap qor_wine_stop EXIT
qor_wine_start
native=$QOR_TOP/build/native/bin/initool
wine_tool=$QOR_TOP/build/win64/bin/initool.exe
winpath() { printf 'Z:%s' "${1//\//\\}"; }

run() {
  local a b
  a=$("$native" "$1" "$demo/ours/QorSFile.ini" "${@:2}")
  "$QOR_TOP/tools/wine/qwine" "$wine_tool" "$1" "$(winpath "$demo/system/QorSFile.ini")" "${@:2}" > "$demo/out.txt"
  b=$(cat "$demo/out.txt")
  printf '%-58s ours: %-12s system: %s\n' "initool $*" "${a:-(ok)}" "${b:-(ok)}"
}

echo "Sample settings file:"; printf '%s' "$sample" | sed 's/\r$//;s/^/    /'
echo
run get ZuntoCrossbar InputSource 3 260
run getint zuntocrossbar inputsource 3
run get vemla AlwaysOnTop "" 260
run get vemla CaptureBitRate "" 40
run getint AudioProcAmp VolumeValue 128
run set AudioProcAmp VolumeValue 130
run set TVTuner FMChannel 875
run delsection vemla
run get vemla AlwaysOnTop none 260
echo
if cmp -s "$demo/ours/QorSFile.ini" "$demo/system/QorSFile.ini"; then
  echo "Both files are byte-identical after the writes:"
else
  echo "The files differ!" >&2; exit 1
fi
sed 's/\r$/  (CRLF)/;s/^/    /' "$demo/ours/QorSFile.ini"
