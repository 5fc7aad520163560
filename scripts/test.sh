#!/usr/bin/env bash
# Builds and runs every test:
#  - Linux, debug build under AddressSanitizer and UndefinedBehaviorSanitizer;
#  - Linux, optimised build;
#  - Windows, cross-built with MinGW-w64 and run under Wine, when the cross
#    compiler, Wine and tmux are installed (SAWTALLY_REQUIRE_WINDOWS=1 makes
#    their absence a failure), and its zip package.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)

step() { printf '\n==== %s\n' "$*"; }

run_preset() {
  step "$1: configure, build, test"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$jobs"
  ctest --preset "$1" -j "$jobs"
}

run_preset debug
run_preset release

missing=""
for tool in x86_64-w64-mingw32-g++-posix wine wineboot tmux; do
  command -v "$tool" >/dev/null || missing="$missing $tool"
done
if [ -z "$missing" ]; then
  run_preset windows
  step "windows: zip package"
  (cd build/windows && rm -f sawtally-*-win64.zip && cpack >/dev/null &&
    cmake -E tar tf sawtally-*-win64.zip)
elif [ "${SAWTALLY_REQUIRE_WINDOWS:-0}" = 1 ]; then
  echo "FAILED: the Windows tests need:$missing" >&2
  exit 1
else
  step "SKIPPED the Windows tests: not installed:$missing"
fi

step "all tests passed"
