#!/usr/bin/env bash
# Builds and runs every test: the debug build under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the optimised build.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)

step() { printf '\n==== %s\n' "$*"; }

for preset in debug release; do
  step "$preset: configure, build, test"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

step "all tests passed"
