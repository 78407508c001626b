#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (plain and with
# AddressSanitizer + UndefinedBehaviorSanitizer), the Windows builds (win64
# and the 32-bit win32, which is compiled and linked only), then the Wine
# tests of the win64 programs.  Installs missing Debian packages first.
set -euo pipefail
QOR_TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$QOR_TOP"
# shellcheck source=tools/setup-machine.sh
. tools/setup-machine.sh

qor_install_packages

jobs=$(nproc)
for preset in native native-asan win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

echo "== unit tests (native)"
ctest --preset native -L unit -j "$jobs" --output-on-failure
echo "== unit tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --preset native-asan -L unit -j "$jobs" --output-on-failure

echo "== Wine tests (win64 programs)"
cleanup() { qor_wine_stop; qor_xvfb_stop; }
trap cleanup EXIT
qor_xvfb_start
qor_wine_start
ctest --preset native -L wine -j "$jobs" --output-on-failure
