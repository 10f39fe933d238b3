#!/usr/bin/env bash
# make bench: builds the timing runs and prints the record engine's speed
# beside snprintf and the Fortran runtime (gfortran, RC rounding), then a
# whole run of the real program on a large generated input file.
#   TESTS=10000 REPS=5 tools/bench.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-bench"
tests=${TESTS:-10000}
reps=${REPS:-5}
jobs=${JOBS:-2}

# What the timing runs need, installed when missing (Debian).
need=()
command -v gfortran >/dev/null || need+=(gfortran)
[ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
command -v jq >/dev/null || need+=(jq)
[ -x /usr/bin/time ] || need+=(time)
if [ ${#need[@]} -gt 0 ]; then
  echo "installing ${need[*]}"
  apt-get update -qq && apt-get install -y -qq "${need[@]}" >/dev/null
fi

# The same build type as `make build`: the numbers are those of the program shipped.
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANE_BENCH=ON >/dev/null
cmake --build "$build" -j "$jobs" --target dorvane dorvane_bench gen_standard_input >/dev/null

echo "== machine"
echo "$(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, $(uname -sr), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "$(g++ --version | head -1); $(gfortran --version | head -1)"
echo

echo "== timing runs (median of $reps, repetitions interleaved; whole run: $tests tests)"
json="$build/bench.json"
DORVANE_BENCH_TESTS=$tests "$build/bench/dorvane_bench" \
  --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
  --benchmark_enable_random_interleaving=true \
  --benchmark_out="$json" --benchmark_out_format=json | grep -v -E '_(mean|stddev|cv) '
echo

median() { jq -r --arg n "$1" --arg f "$2" \
  '.benchmarks[] | select(.run_name == $n and .aggregate_name == "median") | .[$f]' "$json"; }
ratio() { awk -v a="$(median "$1" items_per_second)" -v b="$(median "$2" items_per_second)" \
  'BEGIN { printf "%6.1f", a / b }'; }
per_field() { awk -v a="$(median "$1" items_per_second)" 'BEGIN { printf "%7.1f ns", 1e9 / a }'; }

echo "== per field, ratios of medians from this one run"
printf 'F output, table rows in memory:  engine %s, Fortran RC %s, snprintf %s\n' \
  "$(per_field Rows_Engine)" "$(per_field Rows_FortranRC)" "$(per_field Rows_Snprintf)"
printf '  engine / Fortran internal WRITE (RC)   %sx\n' "$(ratio Rows_Engine Rows_FortranRC)"
printf '  engine / Fortran WRITE to a file (RC)  %sx   (engine also to a file)\n' \
  "$(ratio RowsToFile_Engine RowsToFile_FortranRC)"
printf '  engine / snprintf, one call per row    %sx\n' "$(ratio Rows_Engine Rows_Snprintf)"
printf '  edit_f_output / snprintf per field     %sx\n' "$(ratio FEdit_Engine FEdit_Snprintf)"
printf 'F input, readings records:       engine %s, Fortran %s\n' \
  "$(per_field Records_Engine)" "$(per_field Records_FortranBN)"
printf '  engine / Fortran READ (BN)             %sx\n' "$(ratio Records_Engine Records_FortranBN)"
awk -v mb="$(median WholeRun_InMemory/real_time report_MB)" -v real="$(median WholeRun_InMemory/real_time real_time)" \
  -v cpu="$(median WholeRun_InMemory/real_time cpu_time)" \
  'BEGIN { printf "Whole run held in memory, %.0f MB of report: %.0f MB/s by the clock, %.0f MB/s of CPU time\n",
           mb, mb / (real / 1000), mb / (cpu / 1000) }'
echo

# The real program on files, as a laboratory runs it; peak memory for two
# sizes of input shows that it does not grow with the number of tests.
echo "== the program on files (median of $reps runs): printf 'IN.DAT\\nOUT.REP\\n' | /usr/bin/time -v build-bench/dorvane"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for n in $((tests / 10)) "$tests"; do
  "$build/bench/gen_standard_input" "$n" > "$work/IN.DAT"
  results=()
  for _ in $(seq "$reps"); do
    rm -f "$work/OUT.REP"
    (cd "$work" && printf 'IN.DAT\nOUT.REP\n' | /usr/bin/time -v "$build/dorvane" >/dev/null 2>"$work/time.txt")
    seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt" |
      awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
    cpu=$(sed -n 's/.*\(User\|System\) time (seconds): //p' "$work/time.txt" | awk '{ s += $1 } END { print s }')
    results+=("$seconds $rss $cpu")
  done
  in_bytes=$(stat -c %s "$work/IN.DAT")
  out_bytes=$(stat -c %s "$work/OUT.REP")
  printf '%s\n' "${results[@]}" | awk -v n="$n" -v i="$in_bytes" -v o="$out_bytes" -v r="$reps" '
    function median(a,   k, j, x) { for (k = 2; k <= r; k++) { x = a[k]; for (j = k - 1; j >= 1 && a[j] > x; j--) a[j + 1] = a[j]; a[j + 1] = x }
                                    return a[int((r + 1) / 2)] }
    { t[NR] = $1; c[NR] = $3; if ($2 > m) m = $2 }
    END { s = median(t); u = median(c)
          printf "%6d tests: input %.1f MB, report %.1f MB, %.2f s (%.2f s CPU): %.0f MB/s by the clock, %.0f MB/s of CPU time; peak memory %.1f MB\n",
                 n, i / 1e6, o / 1e6, s, u, o / 1e6 / s, o / 1e6 / u, m / 1024 }'
done
