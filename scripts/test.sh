#!/usr/bin/env bash
# Builds and runs every test:
#  - Linux, debug build under AddressSanitizer and UndefinedBehaviorSanitizer;
#  - Linux, optimised build;
#  - the tests again under Valgrind memcheck, every run of the program too:
#    any error or leak fails them;
#  - the libFuzzer targets for a bounded time each (SAWTALLY_FUZZ_SECONDS,
#    60 by default), failing on any finding;
#  - Windows, cross-built with MinGW-w64 and run under Wine, and its zip.
# A stage whose tools are not installed is skipped with a message saying so;
# SAWTALLY_REQUIRE_ALL=1 (set by .ci/run) makes that a failure instead.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)
skipped=""

step() { printf '\n==== %s\n' "$*"; }

# Whether every tool named is installed; otherwise says which are missing and
# fails the run when all stages are required.
have() {
  local stage=$1 missing=""
  shift
  for tool in "$@"; do
    command -v "$tool" >/dev/null || missing="$missing $tool"
  done
  [ -z "$missing" ] && return 0
  if [ "${SAWTALLY_REQUIRE_ALL:-0}" = 1 ]; then
    echo "FAILED: the $stage stage needs:$missing" >&2
    exit 1
  fi
  step "SKIPPED the $stage stage: not installed:$missing"
  skipped="$skipped $stage"
  return 1
}

run_preset() {
  step "$1: configure, build, test"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$jobs"
  ctest --preset "$1" -j "$jobs"
}

run_preset debug
run_preset release

if have valgrind valgrind; then
  # Valgrind sees into the heap of dynamically linked programs only, so this
  # build links the program dynamically.
  step "valgrind: the tests, and the program, under memcheck"
  cmake --preset memcheck >/dev/null
  cmake --build --preset memcheck -j "$jobs"
  memcheck="valgrind --quiet --error-exitcode=99 --leak-check=full --show-leak-kinds=all --errors-for-leak-kinds=all"
  $memcheck build/memcheck/tests/core_tests --gtest_brief=1
  # The end-to-end tests run every program under memcheck (the harness
  # itself is not: under valgrind a child would start with every signal
  # blocked).
  SAWTALLY_WRAPPER="$memcheck" build/memcheck/tests/e2e_tests --gtest_brief=1
fi

fuzz() {
  local target=$1
  shift
  local log=build/fuzz/$target.log
  mkdir -p "build/fuzz/corpus/$target"
  if build/fuzz/fuzz/"$target" -max_total_time="$SAWTALLY_FUZZ_SECONDS" -print_final_stats=1 \
      -artifact_prefix=build/fuzz/ "$@" "build/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "$target: $(grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" | tr -s ' \n' ' ')"
  else
    tail -n 40 "$log"
    echo "FAILED: $target found a problem; the input that shows it is in build/fuzz/" >&2
    return 1
  fi
}

if have fuzz clang clang++; then
  step "fuzz: each target for ${SAWTALLY_FUZZ_SECONDS:=60} seconds"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz -j "$jobs"
  fuzz pipeline_fuzzer -dict=fuzz/cutlist.dict tests/fixtures/inputs examples
  fuzz command_line_fuzzer fuzz/corpus/command_line
fi

if have windows x86_64-w64-mingw32-g++-posix wine wineboot tmux; then
  run_preset windows
  step "windows: zip package"
  (cd build/windows && rm -f sawtally-*-win64.zip && cpack >/dev/null &&
    cmake -E tar tf sawtally-*-win64.zip)
fi

if [ -n "$skipped" ]; then
  step "all tests that ran passed; skipped:$skipped"
else
  step "all tests passed"
fi
