#!/usr/bin/env bash
# Benchmark: the panel's processor time while it sits idle (its clock ticks
# three times a second, nothing else happens).  Installs the win64 build by
# hand, starts qor.exe, lets it settle, then reads the process's user and
# system time from /proc before and after SECONDS of idling.
#
#   tools/wine/panel-idle-cpu.sh BIN_DIR [SECONDS]   (needs DISPLAY; WINEPREFIX as for qwine)
#
# Prints the share of one core the panel used; the budget is 1%.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
bin=${1:?usage: panel-idle-cpu.sh BIN_DIR [SECONDS]}
span=${2:-30}
: "${DISPLAY:?an X display is needed}"
export WINEPREFIX=${WINEPREFIX:-$top/build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
q="$top/tools/wine/qwine"
drive="$("$top/tools/install-by-hand.sh" "$bin")"
target="$WINEPREFIX/drive_c/Program Files/TV Drovan"
printf '[ZUNTO]\r\nCountryCode=49\r\n[CHANNELLIST]\r\nALREADYSCAN=TRUE\r\n[CHANNELLISTAIR]\r\nALREADYSCAN=TRUE\r\n' \
  >"$target/QorSFile.ini"

log=$(mktemp)
"$q" -t $((span + 90)) "$target/qor.exe" >"$log" 2>&1 &
runner=$!
cleanup() {
  "$q" -t 30 "$bin/qordrive.exe" command "Kestrova Glimvale" Panel 32772 0 >/dev/null 2>&1 || true
  wait "$runner" 2>/dev/null || true
  rm -f "$log"
}
trap cleanup EXIT
"$q" -t 60 "$bin/qordrive.exe" wait "Kestrova Glimvale" Panel 30000 >/dev/null
sleep 5  # start-up work and the TV window's answer are over

# The Windows process of the panel: named qor.exe, running in this prefix
# (other prefixes on the machine may run panels of their own).
pid=""
for p in $(pgrep -x 'qor.exe' || true); do
  if tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then pid=$p; fi
done
[ -n "$pid" ] || { echo "no qor.exe process found" >&2; exit 1; }

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks "$pid")
sleep "$span"
after=$(ticks "$pid")
awk -v d=$((after - before)) -v hz="$hz" -v s="$span" -v pid="$pid" 'BEGIN {
  pct = d / hz / s * 100
  printf "qor.exe (pid %d) idle for %d s: %d ticks of 1/%d s = %.3f%% of one core (budget 1%%)\n", pid, s, d, hz, pct
  exit pct < 1 ? 0 : 1
}'
