#!/usr/bin/env bash
# Checks the project's sources: formatting with clang-format (no file is changed) and
# clang-tidy over the native build's compile_commands.json (configured here when
# missing). Files built only for Windows are formatted but not tidied. Exit code 0
# when both are clean.
set -uo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "$0")/common.sh"
cd "$REPO_ROOT" || exit 1

BUILD="$REPO_ROOT/build-native"
SOURCE_DIRS=(host bridge window devices apps files app tests bench)
mapfile -t SOURCES < <(git ls-files --cached --others --exclude-standard -- "${SOURCE_DIRS[@]}" |
  grep -E '\.(cpp|h)$')
rc=0

say "clang-format: ${#SOURCES[@]} files"
clang-format --dry-run -Werror "${SOURCES[@]}" || rc=1

if [ ! -f "$BUILD/compile_commands.json" ]; then
  cmake -S "$REPO_ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug >/dev/null || exit 1
fi
say "clang-tidy (compile commands of $BUILD)"
dirs_regex="$(IFS='|'; echo "${SOURCE_DIRS[*]}")"
run-clang-tidy -quiet -j 2 -p "$BUILD" "^$REPO_ROOT/($dirs_regex)/" || rc=1

if [ $rc -eq 0 ]; then say "lint: clean"; else say "lint: findings above"; fi
exit $rc
