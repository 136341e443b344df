#!/usr/bin/env bash
# Builds and runs every test: the native Debug build, the same under ASan+UBSan and
# under TSan, the Windows cross build under Wine, and the window test that drives the
# real window of velmora.exe. Installs what it lacks first. Exits non-zero when
# anything failed; the last line sums the suites: "N passed, M failed".
set -uo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "$0")/common.sh"
cd "$REPO_ROOT" || exit 1

ensure_packages || { echo "cannot install the packages the tests need" >&2; exit 1; }

SUMMARY=()
TOTAL_PASSED=0
TOTAL_FAILED=0

# record NAME PASSED FAILED SECONDS [NOTE]: one suite's line of the summary.
record() {
  local line
  line="$(printf '%-12s %4d passed, %3d failed  (%ds)' "$1" "$2" "$3" "$4")"
  [ -n "${5:-}" ] && line+="  $5"
  SUMMARY+=("$line")
  TOTAL_PASSED=$((TOTAL_PASSED + $2))
  TOTAL_FAILED=$((TOTAL_FAILED + $3))
}

# record_ctest NAME LOG RC SECONDS: counts from ctest's closing line; a run that ended
# without one (crash, time-out) counts as one failure.
record_ctest() {
  local counts total failed
  counts="$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$2" | tail -n1)"
  if [ -n "$counts" ]; then
    failed="${counts%% *}"
    total="${counts##* }"
    [ "$3" -ne 0 ] && [ "$failed" -eq 0 ] && failed=1
    record "$1" $((total - failed)) "$failed" "$4"
  elif grep -q 'No tests were found' "$2" && [ "$3" -eq 0 ]; then
    record "$1" 0 0 "$4" "(no tests)"
  else
    record "$1" 0 1 "$4" "(ctest ended abnormally, exit $3)"
  fi
}

# The command prefix a sanitizer's programs need: TSan (and sometimes ASan) refuses to
# start when the kernel randomises mappings more than its runtime expects; without
# address randomisation (setarch -R) it runs.
sanitizer_launcher() {
  local dir
  dir="$(mktemp -d)"
  echo 'int main() { return 0; }' >"$dir/probe.cpp"
  LAUNCHER=()
  if g++ -fsanitize="$1" "$dir/probe.cpp" -o "$dir/probe" 2>/dev/null && ! "$dir/probe" >/dev/null 2>&1 &&
    setarch "$(uname -m)" -R "$dir/probe" >/dev/null 2>&1; then
    LAUNCHER=(setarch "$(uname -m)" -R)
    say "the $1 sanitizer needs address randomisation off: running under setarch -R"
  fi
  rm -rf "$dir"
}

# native_suite NAME BUILD_DIR SANITIZER: Debug build and ctest of the native tree.
native_suite() {
  local name=$1 dir=$2 sanitize=$3 start=$SECONDS log="$2/ctest.log" rc
  say "$name: build ($dir)"
  LAUNCHER=()
  [ -n "$sanitize" ] && sanitizer_launcher "$([ "$sanitize" = address ] && echo address,undefined || echo thread)"
  if ! cmake -S "$REPO_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE="$sanitize" ||
    ! "${LAUNCHER[@]}" cmake --build "$dir" -j2; then
    record "$name" 0 1 $((SECONDS - start)) "(build failed)"
    return
  fi
  say "$name: ctest"
  "${LAUNCHER[@]}" timeout 1500 ctest --test-dir "$dir" -j2 --output-on-failure 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  record_ctest "$name" "$log" "$rc" $((SECONDS - start))
}

build_windows_tree() {
  local attempt
  for attempt in 1 2 3; do
    cmake --build "$WIN_BUILD" -j2 && return 0
    say "windows: build attempt $attempt failed"
  done
  return 1
}

# The Windows tree: cross build and ctest under Wine (test discovery runs under Wine
# at build time already), on a virtual display.
windows_suite() {
  local start=$SECONDS log="$WIN_BUILD/ctest.log" rc
  say "windows: build ($WIN_BUILD)"
  use_wine_prefix "$WIN_BUILD/wine-test"
  if ! start_xvfb || ! init_wine_prefix; then
    record windows 0 1 $((SECONDS - start)) "(Wine or Xvfb did not start)"
    return
  fi
  timeout 30 wineserver -p  # one persistent server: each test process starts faster
  # Test discovery starts unit_tests.exe under Wine at build time; a Wine start now
  # and then hangs (the discovery then times out), so a failed build is tried twice more.
  if ! configure_windows || ! build_windows_tree; then
    record windows 0 1 $((SECONDS - start)) "(build failed)"
    return
  fi
  say "windows: ctest under Wine"
  # A test whose Wine process hangs is run once more (a hang of Wine, not of the test).
  timeout 1800 ctest --test-dir "$WIN_BUILD" -j2 --output-on-failure --repeat until-pass:2 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  record_ctest windows "$log" "$rc" $((SECONDS - start))
}

# The window test builds only the programs it needs, so it runs even when another
# part of the Windows tree does not build. Its own display and Wine server.
window_test_suite() {
  local start=$SECONDS log="$WIN_BUILD/window_test.log" rc counts
  stop_xvfb  # window_test.sh starts a display of its own
  say "window test"
  mkdir -p "$WIN_BUILD"
  timeout 900 "$REPO_ROOT/scripts/window_test.sh" 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  counts="$(tr -d '\r' <"$log" | grep -aE '^[0-9]+ passed, [0-9]+ failed$' | tail -n1)"  # Wine's console ends lines in CRLF
  if [ -n "$counts" ]; then
    local passed="${counts%% *}" failed
    failed="$(echo "$counts" | awk '{print $3}')"
    [ "$rc" -ne 0 ] && [ "$failed" -eq 0 ] && failed=1
    record "window test" "$passed" "$failed" $((SECONDS - start))
  else
    record "window test" 0 1 $((SECONDS - start)) "(ended abnormally, exit $rc)"
  fi
}

cleanup() {
  if [ -n "${WINEPREFIX:-}" ]; then timeout 30 wineserver -k 2>/dev/null || true; fi
  stop_xvfb
}
trap cleanup EXIT

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

RUN_START=$SECONDS
native_suite native "$REPO_ROOT/build-native" ""
native_suite asan "$REPO_ROOT/build-asan" address
native_suite tsan "$REPO_ROOT/build-tsan" thread
windows_suite
window_test_suite

echo
say "summary ($((SECONDS - RUN_START)) s in all)"
printf '%s\n' "${SUMMARY[@]}"
echo "$TOTAL_PASSED passed, $TOTAL_FAILED failed"
[ "$TOTAL_FAILED" -eq 0 ]
