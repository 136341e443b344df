#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine.
#
# The program runs from build-win/program/. When that folder holds no adb.exe, the
# project's simulated tools are put there (the fake tool as adb.exe, aapt.exe and
# scrcpy.exe, answering from the demo scenarios of tests/fake_tool/demo/), so every
# button gets a plausible answer; put the real tools there to drive real devices.
# (A simulated findstr.exe comes along: Wine's own prints nothing, and the APK
# chooser pipes aapt's answer through it.)
# With a DISPLAY the program opens there and the script waits until it is closed;
# without one it runs on a virtual display, and the script saves a screenshot of it,
# prints where, and stops it.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "$0")/common.sh"
cd "$REPO_ROOT" || exit 1

ensure_packages
configure_windows
cmake --build "$WIN_BUILD" -j2 --target velmora fake_tool

PROGRAM_DIR="$WIN_BUILD/program"
mkdir -p "$PROGRAM_DIR"
cp "$WIN_BUILD/bin/velmora.exe" "$PROGRAM_DIR/"
if [ ! -e "$PROGRAM_DIR/adb.exe" ]; then
  for tool in adb aapt scrcpy findstr; do cp "$WIN_BUILD/bin/fake_tool.exe" "$PROGRAM_DIR/$tool.exe"; done
  cp "$REPO_ROOT"/tests/fake_tool/demo/* "$PROGRAM_DIR/"
  say "no adb.exe in $PROGRAM_DIR: put the simulated adb, aapt and scrcpy there (two demo devices)"
fi

use_wine_prefix "$WIN_BUILD/wineprefix"
init_wine_prefix

if [ -n "${DISPLAY:-}" ]; then
  say "starting velmora.exe on $DISPLAY"
  timeout 30 wineserver -p
  "$WINE" "$PROGRAM_DIR/velmora.exe" </dev/null || true
  timeout 30 wineserver -k || true
  exit 0
fi

# No display: a virtual one, a screenshot, then everything stopped again.
cleanup() {
  timeout 30 wineserver -k 2>/dev/null || true
  stop_xvfb
}
trap cleanup EXIT
start_xvfb
say "no DISPLAY: running velmora.exe on the virtual display $DISPLAY"
timeout 30 wineserver -p
timeout 300 "$WINE" "$PROGRAM_DIR/velmora.exe" </dev/null >"$WIN_BUILD/velmora.log" 2>&1 &

window=""
for _ in $(seq 1 60); do
  window="$(xdotool search --onlyvisible --name '^Velmora' 2>/dev/null | head -n1)" && [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "the window of velmora.exe did not appear within 30 s (log: $WIN_BUILD/velmora.log)" >&2
  exit 1
fi
sleep 2  # let every control paint
SHOT="$WIN_BUILD/velmora-screenshot.png"
import -window "$window" "$SHOT"
say "velmora.exe is running; screenshot: $SHOT"
