#!/usr/bin/env bash
# The window test: drives the real window of velmora.exe under Wine on a virtual
# display. Makes a fresh run directory holding velmora.exe and the fake tools, lets
# window_test.exe start the program there and check it, and turns its screenshot into
# a PNG. Exit code 0 when every check passed; the last line reads "N passed, M failed".
set -uo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "$0")/common.sh"
cd "$REPO_ROOT" || exit 1

ensure_packages || exit 1
OUT="$WIN_BUILD/window_test"
RUN_DIR="$OUT/run"

use_wine_prefix "$WIN_BUILD/wine-test"
cleanup() {
  timeout 30 wineserver -k 2>/dev/null || true
  stop_xvfb
}
trap cleanup EXIT

configure_windows && cmake --build "$WIN_BUILD" -j2 --target velmora window_test fake_tool || exit 1
init_wine_prefix || exit 1
start_xvfb || exit 1
timeout 30 wineserver -k 2>/dev/null  # leftovers of an earlier run in this prefix
timeout 30 wineserver -p

rm -rf "$RUN_DIR"
mkdir -p "$RUN_DIR"
cp "$WIN_BUILD/bin/velmora.exe" "$RUN_DIR/"
for tool in adb aapt scrcpy; do cp "$WIN_BUILD/bin/fake_tool.exe" "$RUN_DIR/$tool.exe"; done

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

echo "window test on display $DISPLAY, run directory $RUN_DIR"
timeout 300 "$WINE" "$WIN_BUILD/bin/window_test.exe" "$(windows_path "$RUN_DIR")" \
  "$(windows_path "$OUT/screenshot.bmp")" </dev/null
rc=$?
[ $rc -eq 124 ] && echo "window test: timed out" && echo "0 passed, 1 failed"

if [ -f "$OUT/screenshot.bmp" ] && convert "$OUT/screenshot.bmp" "$OUT/screenshot.png" 2>/dev/null; then
  rm -f "$OUT/screenshot.bmp"
  echo "screenshot (PNG): $OUT/screenshot.png"
fi
exit $rc
