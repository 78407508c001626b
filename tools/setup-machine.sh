# Sourced by test.sh and demo.sh: installs the Debian packages the build and
# the tests need (only those missing), and offers the Wine/Xvfb helpers.
# shellcheck shell=bash

QOR_PACKAGES=(cmake ninja-build g++ ccache googletest libgtest-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64
  xvfb xdotool x11-utils imagemagick mscompress util-linux procps)

qor_install_packages() {
  local missing=() p
  for p in "${QOR_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Wine environment: the project's own 64-bit prefix under build/.
qor_wine_env() {
  export WINEPREFIX="${WINEPREFIX:-$QOR_TOP/build/wineprefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Makes the prefix once and keeps one Wine server for the whole run.
qor_wine_start() {
  qor_wine_env
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating the Wine prefix $WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    timeout -k 5 240 /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
    timeout 120 /usr/lib/wine/wineserver64 -w || true
  fi
  /usr/lib/wine/wineserver64 -p >/dev/null 2>&1 || true
  # The first program of a server session starts Wine's device services, which
  # stay and inherit its output: start them here, away from any test's pipes.
  timeout -k 5 120 /usr/lib/wine/wine64 cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

qor_wine_stop() {
  qor_wine_env
  timeout 30 /usr/lib/wine/wineserver64 -k >/dev/null 2>&1 || true
}

# Starts an Xvfb of our own on a free display and exports DISPLAY.
QOR_XVFB_PID=""
qor_xvfb_start() {
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    QOR_XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      sleep 0.1
    done
    kill "$QOR_XVFB_PID" 2>/dev/null
  done
  echo "cannot start Xvfb" >&2
  return 1
}

qor_xvfb_stop() {
  [ -n "$QOR_XVFB_PID" ] && kill "$QOR_XVFB_PID" 2>/dev/null
  QOR_XVFB_PID=""
}
