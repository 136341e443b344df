# shellcheck shell=bash
# Pieces the scripts share: the packages they need, the Windows cross build, the
# Wine prefixes and a virtual display. Sourced, never run.

REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
WIN_BUILD="$REPO_ROOT/build-win"
WINE="/usr/lib/wine/wine64"  # Debian 12 has no /usr/bin/wine64

REQUIRED_PACKAGES=(cmake g++ g++-mingw-w64-x86-64-posix wine64 wine xvfb xdotool imagemagick
  fonts-wqy-microhei libpng-dev googletest libgtest-dev)

say() { printf '== %s\n' "$*"; }

# Installs whichever required package is missing (nothing, and no network, when all are there).
ensure_packages() {
  local missing=() pkg
  for pkg in "${REQUIRED_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q </dev/null
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
}

# Configures build-win (Release, MinGW-w64) when it is not configured yet.
configure_windows() {
  [ -f "$WIN_BUILD/CMakeCache.txt" ] && return 0
  cmake -S "$REPO_ROOT" -B "$WIN_BUILD" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake"
}

# Wine settings for one prefix; every later Wine call of the script uses them.
use_wine_prefix() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Creates the prefix of use_wine_prefix once and maps the Chinese fonts the program
# asks for to one that has CJK glyphs (without it every character shows as a box).
init_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "creating the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    timeout 180 "$WINE" wineboot -i </dev/null
    timeout 60 wineserver -w
  fi
  [ -f "$WINEPREFIX/.fonts-replaced" ] && return 0
  local reg="$WINEPREFIX/fonts.reg"
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"SimSun"="WenQuanYi Micro Hei"' '"宋体"="WenQuanYi Micro Hei"' \
    '"Microsoft YaHei"="WenQuanYi Micro Hei"' '' |
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$reg"
  timeout 60 "$WINE" reg import "Z:${reg//\//\\}" </dev/null
  timeout 60 wineserver -w
  touch "$WINEPREFIX/.fonts-replaced"
}

# Starts a virtual X display of its own and exports DISPLAY; XVFB_PID names it.
start_xvfb() {
  local fdfile
  fdfile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  local _
  for _ in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  if [ ! -s "$fdfile" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$fdfile"
    return 1
  fi
  DISPLAY=":$(head -n1 "$fdfile")"
  export DISPLAY
  rm -f "$fdfile"
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}
