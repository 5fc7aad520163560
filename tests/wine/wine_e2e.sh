#!/usr/bin/env bash
# End-to-end tests of the Windows program under Wine: sawtally.exe runs in a
# real console (a detached tmux session, whose screen capture-pane reads),
# keys are sent to it, and its screen, exit code and report are compared
# whole with what the Linux program gives for the same input.
#
# Usage: wine_e2e.sh SAWTALLY_EXE CONSOLE_TESTS_EXE SOURCE_DIR
set -u

exe=$(realpath "$1")
console_tests=$(realpath "$2")
source_dir=$(realpath "$3")
inputs=$source_dir/tests/fixtures/inputs

export WINEDEBUG=-all
work=$(mktemp -d)
failures=0
runs=0
socket=""

# Each run gets a tmux server of its own: a server that is still shutting
# down can take a new session down with it.
new_console() {
  [ -z "$socket" ] || tmux -L "$socket" kill-server 2>/dev/null
  runs=$((runs + 1))
  socket="sawtally-e2e-$$-$runs"
  tmux -L "$socket" new-session -d -s e2e -x 120 -y 60 "bash $1"
}

cleanup() {
  [ -z "$socket" ] || tmux -L "$socket" kill-server 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The screen as text: trailing spaces and empty lines at the bottom dropped.
# (A command substitution drops the trailing line ends of the texts below,
# so the expected screens spell out each empty line.)
screen() {
  tmux -L "$socket" capture-pane -p -t e2e 2>/dev/null | sed 's/ *$//' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}'
}

# Waits up to $2 seconds for the command $1 to succeed.
await() {
  local deadline=$((SECONDS + $2))
  until eval "$1"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Runs the program in a fresh console in folder $1 with the arguments that
# follow, and waits until it shows its key prompt.
start() {
  local dir=$1
  shift
  {
    printf 'cd %q || exit 99\n' "$dir"
    printf 'wine %q' "$exe"
    (($# == 0)) || printf ' %q' "$@"
    printf '\necho $? > .status\nsleep 600\n'
  } > "$dir/.run"
  new_console "$dir/.run"
  if ! await 'screen | grep -q "Press any key to exit \.\.\.$"' 90; then
    fail "no prompt; the screen shows:"
    screen
  fi
}

# Sends tmux key $2 and expects the run in folder $1 to end with code $3.
press() {
  tmux -L "$socket" send-keys -t e2e "$2"
  if ! await "[ -s '$1/.status' ]" 30; then
    fail "key $2 did not end the run"
    return
  fi
  [ "$(cat "$1/.status")" = "$3" ] || fail "exit code $(cat "$1/.status"), expected $3"
}

expect_screen() {
  local name=$1 expected actual
  expected=$(cat)
  actual=$(screen)
  if [ "$actual" != "$expected" ]; then
    fail "$name: screen differs"
    diff <(echo "$expected") <(echo "$actual")
  fi
}

banner() {
  cat <<'EOF'

*****************  SAWTALLY - REV. 2.0 - 64 BITS  *****************
                   Made for woodworkers by the Sawtally developers

Scans text files from SketchUp Cutlist and identifies equal dimensions
**********************************************************************

EOF
}

names() {
  printf 'INPUT FILE:\n%s\n\nOUTPUT FILE:\n%s\n\n' "$1" "$2"
}

fresh() {
  local dir=$work/$1
  mkdir -p "$dir"
  echo "$dir"
}

echo "== a fresh Wine prefix"
wineboot -i >/dev/null 2>&1
wineserver -w

echo "== no argument: usage, exit 3"
dir=$(fresh usage)
start "$dir"
expect_screen usage <<EOF
$(banner)

'Sawtally' scans an ASCII file made by SketchUp's 'Cut List 4.1' Extension.
It LABELS ALL LENGTH AND WIDTH DIMENSIONS THAT MATCH.

The labels make it easy to plan cuts and use the same setup for all pieces
with the same dimension.

HOW TO USE SAWTALLY:
  1. Open the Cut List v4.1 extension from SketchUp.
  2. Ensure that the 'CSV' box is checked at 'Cutlist Output:'
  3. Run Cut List. A window will open and announce the name of the CSV
     file created in the same directory as the Cut List file.
  4. Drag the new CSV filename and drop it on top of this file's icon.

Sawtally will automatically generate a new file with a similar name in
the same folder that includes ALPHANUMERIC LABELS to identify each
matching dimension.

Press any key to exit ...
EOF
press "$dir" x 3
[ -z "$(ls "$dir")" ] || fail "usage created files: $(ls "$dir")"

echo "== the example: its report, DONE, exit 0 after a cursor key"
dir=$(fresh example)
cp "$source_dir/examples/bookcase.csv" "$dir/"
start "$dir" bookcase.csv
expect_screen example <<EOF
$(banner)

$(names bookcase.csv bookcase_MATCHED.txt)


*******************************  DONE  *******************************

Press any key to exit ...
EOF
press "$dir" Up 0
cmp "$dir/bookcase_MATCHED.txt" "$source_dir/tests/fixtures/bookcase_MATCHED.txt" ||
  fail "the example's report differs from the Linux build's"

echo "== a missing input: exit 1 after a function key"
dir=$(fresh missing)
start "$dir" 'missing file.csv'
expect_screen missing <<EOF
$(banner)

$(names 'missing file.csv' 'missing file_MATCHED.txt')


Cannot open file "missing file.csv"

Press any key to exit ...
EOF
press "$dir" F5 1
[ -z "$(ls "$dir")" ] || fail "a missing input created files: $(ls "$dir")"

echo "== too many rows: exit 5, the earlier report kept, after Enter"
dir=$(fresh too_many)
cp "$inputs/too_many_rows.csv" "$dir/"
echo "earlier report" > "$dir/too_many_rows_MATCHED.txt"
start "$dir" too_many_rows.csv
expect_screen too_many <<EOF
$(banner)

$(names too_many_rows.csv too_many_rows_MATCHED.txt)

TOO MANY DIMENSION ROWS

Press any key to exit ...
EOF
press "$dir" Enter 5
[ "$(cat "$dir/too_many_rows_MATCHED.txt")" = "earlier report" ] || fail "the earlier report changed"
[ "$(ls "$dir" | wc -l)" = 2 ] || fail "files left behind: $(ls -A "$dir")"

echo "== a read-only report: exit 2"
dir=$(fresh read_only)
cp "$source_dir/examples/bookcase.csv" "$dir/"
echo "earlier report" > "$dir/bookcase_MATCHED.txt"
chmod a-w "$dir/bookcase_MATCHED.txt"
start "$dir" bookcase.csv
press "$dir" x 2
[ "$(cat "$dir/bookcase_MATCHED.txt")" = "earlier report" ] || fail "the read-only report changed"

echo "== the key wait on the console: which keys end it, Shift alone not"
dir=$(fresh keys)
{
  printf 'cd %q || exit 99\n' "$dir"
  printf 'wine %q --gtest_brief=1 > log.txt 2>&1\necho $? > .status\nsleep 600\n' "$console_tests"
} > "$dir/.run"
new_console "$dir/.run"
if ! await "[ -s '$dir/.status' ]" 90; then
  fail "the console tests did not finish"
elif [ "$(cat "$dir/.status")" != 0 ]; then
  fail "the console tests failed:"
  cat "$dir/log.txt"
fi

echo "== reports match the Linux build's, without a console: no wait"
for csv in "$source_dir/examples/bookcase.csv" "$inputs"/*.csv; do
  name=$(basename "$csv" .csv)
  dir=$(fresh "quiet_$name")
  cp "$csv" "$dir/"
  (cd "$dir" && timeout 60 setsid wine "$exe" "$name.csv" < /dev/null > out.txt 2>&1)
  code=$?
  case $name in
    too_many_rows) want=5 ;;
    not_a_cut_list) want=7 ;;
    *) want=0 ;;
  esac
  [ "$code" = "$want" ] || fail "$name: exit code $code, expected $want"
  [ ! -s "$dir/out.txt" ] || fail "$name: wrote to standard output: $(cat "$dir/out.txt")"
  expected=$inputs/${name}_MATCHED.txt
  [ "$name" = bookcase ] && expected=$source_dir/tests/fixtures/bookcase_MATCHED.txt
  if [ "$want" = 0 ]; then
    cmp "$dir/${name}_MATCHED.txt" "$expected" || fail "$name: report differs from the Linux build's"
  else
    [ ! -e "$dir/${name}_MATCHED.txt" ] || fail "$name: a report was written"
  fi
done

if ((failures > 0)); then
  echo "$failures Wine end-to-end check(s) failed"
  exit 1
fi
echo "all Wine end-to-end checks passed"
