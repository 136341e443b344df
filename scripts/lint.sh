#!/usr/bin/env bash
# Checks the project's sources: formatting with clang-format (no file is changed) and
# clang-tidy over the native build's compile_commands.json (configured here when
# missing). Files built only for Windows are format-checked but not tidied. Exit
# code 0 when both are clean.
set -uo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "$0")/common.sh"
cd "$REPO_ROOT" || exit 1

BUILD="$REPO_ROOT/build-native"
mapfile -t SOURCES < <(git ls-files --cached --others --exclude-standard -- \
  host bridge window devices apps files app tests bench | grep -E '\.(cpp|h)$')
rc=0

say "clang-format: ${#SOURCES[@]} files"
unformatted=0
for file in "${SOURCES[@]}"; do
  if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
    echo "needs formatting: $file"
    unformatted=$((unformatted + 1))
  fi
done
[ $unformatted -gt 0 ] && echo "$unformatted files differ from .clang-format (clang-format -i FILE fixes one)" && rc=1

if [ ! -f "$BUILD/compile_commands.json" ]; then
  cmake -S "$REPO_ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug >/dev/null || exit 1
fi
mapfile -t UNITS < <(for file in "${SOURCES[@]}"; do
  [[ $file == *.cpp ]] && grep -qF "\"file\": \"$REPO_ROOT/$file\"" "$BUILD/compile_commands.json" && echo "$file"
done)
say "clang-tidy: ${#UNITS[@]} files of $BUILD/compile_commands.json"
report="$(mktemp)"
printf '%s\n' "${UNITS[@]}" | xargs -P 2 -n 1 clang-tidy -p "$BUILD" --quiet 2>/dev/null |
  grep -v 'warnings generated\.$' | tee "$report"
findings=$(grep -cE ': (warning|error): ' "$report")
rm -f "$report"
[ "$findings" -gt 0 ] && echo "$findings clang-tidy findings" && rc=1

if [ $rc -eq 0 ]; then say "lint: clean"; else say "lint: findings above"; fi
exit $rc
