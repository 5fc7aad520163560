#!/usr/bin/env bash
# Measures Sawtally against the cost floor of the machine: starting a process
# and reading a file. Prints a table:
#   1. a full run on the worst case (55 rows, every comparison, all 55
#      labels): whole-process instruction count against `cat` of the file;
#   2. scaling: 1 MB, 100 MB and 1 GB of lines before the first section, then
#      a cut list: wall time against `wc -l`, and peak resident memory;
#   3. the matcher and the row formatter per call (Google Benchmark).
#
# Usage: bench/run.sh [--short]   (--short: 1 MB, 10 MB and 100 MB inputs)
# Needs hyperfine, valgrind, GNU time and libbenchmark-dev; installs them
# with apt-get when they are missing and it runs as root.
set -euo pipefail
cd "$(dirname "$0")/.."

sizes_mb=(1 100 1024)
[ "${1:-}" = --short ] && sizes_mb=(1 10 100)

need=()
command -v hyperfine >/dev/null || need+=(hyperfine)
command -v valgrind >/dev/null || need+=(valgrind)
[ -x /usr/bin/time ] || need+=(time)
[ -e /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
if ((${#need[@]} > 0)); then
  if [ "$(id -u)" != 0 ]; then
    echo "bench/run.sh needs: ${need[*]} (apt-get install them, or run as root)" >&2
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${need[@]}" >/dev/null
fi

echo "building the release program and the benchmarks ..." >&2
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
program=$PWD/build/bench/sawtally

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The cut list of the worst case, as the exporter writes it (CR LF).
cut_list() {
  printf 'Components\r\nPart #,Quantity,Description,Length(L),Width(W),Thickness(T),'
  printf 'Board Feet (per),Board Feet (total),Square Feet (total),Material,\r\n'
  for k in $(seq 0 54); do
    printf 'C-%03d,1,Panel %d,%d %d/16",%d %d/16",0 3/4",1.00,1.00,2.00,Walnut,\r\n' \
      $((k + 1)) $((k + 1)) $((10 + k)) $(((k * 7) % 16)) $((64 - k)) $((((54 - k) * 7) % 16))
  done
  printf '\r\n'
}
cut_list > "$work/worst.csv"

# Every run is without a terminal: the program writes nothing and does not
# wait for a key, so it is measured doing its work alone.
quiet() { setsid "$@" < /dev/null > /dev/null 2>&1; }

instructions() {
  quiet valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
    --log-file="$work/callgrind.log" "$@" || true
  sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/callgrind.log"
}

echo "counting instructions ..." >&2
sawtally_ir=$(instructions "$program" "$work/worst.csv")
cat_ir=$(instructions cat "$work/worst.csv")

echo "timing ..." >&2
scaling_rows=()
line='Cut List 4.1 export notes: walnut bookcase, revision 12, drawn by A. Carpenter,,,,'
for mb in "${sizes_mb[@]}"; do
  input=$work/lines_${mb}mb.csv
  # Lines of text before the first section, then the worst-case cut list.
  (set +o pipefail; yes "$line"$'\r' | head -c $((mb * 1024 * 1024)) > "$input")
  cut_list >> "$input"
  setsid hyperfine -N --warmup 2 --runs 10 --export-csv "$work/times.csv" \
    "wc -l $input" "$program $input" < /dev/null > /dev/null 2>&1
  wc_median=$(awk -F, 'NR == 2 {print $4}' "$work/times.csv")
  our_median=$(awk -F, 'NR == 3 {print $4}' "$work/times.csv")
  peak_kb=$(setsid /usr/bin/time -f %M "$program" "$input" < /dev/null 2>&1 >/dev/null | tail -n 1)
  scaling_rows+=("$(awk -v mb="$mb" -v w="$wc_median" -v s="$our_median" -v kb="$peak_kb" \
    'BEGIN { printf "| %s MB | %.1f ms | %.1f ms | %.2f | %d KiB |", mb, w * 1000, s * 1000, s / w, kb }')")
  rm -f "$input" "${input%.csv}_MATCHED.txt"
done

echo "running the per-call benchmarks ..." >&2
build/bench/bench/core_bench --benchmark_format=csv 2>/dev/null > "$work/core.csv"

cat <<EOF

## Sawtally benchmark ($(date -u +%Y-%m-%d), $(uname -m), $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1))

### Full run, worst case (55 rows, 5,995 comparisons, 55 labels)

| Command | Instructions (callgrind, whole process) |
|---|---|
| \`sawtally worst.csv\` | $sawtally_ir |
| \`cat worst.csv\` | $cat_ir |
| ratio sawtally / cat | $(awk -v a="$sawtally_ir" -v b="$cat_ir" 'BEGIN { printf "%.2f", a / b }') (goal: at most 1.00) |

### Scaling: lines before the first section, then the cut list

| Input | \`wc -l\` median | \`sawtally\` median | ratio | sawtally peak RSS |
|---|---|---|---|---|
$(printf '%s\n' "${scaling_rows[@]}")

Goal: a ratio of at most 3.00 on the largest input, and a peak RSS that does
not grow with the input (within 1 MiB).

### Per call (Google Benchmark)

| Benchmark | Time per call |
|---|---|
$(awk -F, 'NR > 1 && $1 ~ /BM_/ { gsub(/"/, "", $1); printf "| %s | %.1f ns |\n", $1, $4 }' "$work/core.csv")
EOF
