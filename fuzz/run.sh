#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60)
# over a seed corpus of the test and example inputs.
# Usage: fuzz/run.sh [SECONDS] [target...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}; shift || true
targets=("$@"); [ ${#targets[@]} -gt 0 ] || targets=(fuzz_run fuzz_layout fuzz_f_input)
cmake -S "$top/fuzz" -B "$top/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$top/build-fuzz" -j 2 >/dev/null
seeds="$top/build-fuzz/seeds"
rm -rf "$seeds"; mkdir -p "$seeds/fuzz_run" "$seeds/fuzz_layout" "$seeds/fuzz_f_input"
find "$top/tests/data" "$top/examples" -type f \( -name '*.dat' -o -name '*.DAT' -o -path '*/input/*' \) -size -64k \
  -exec cp -t "$seeds/fuzz_run" {} + 2>/dev/null || true
grep -rhoE '"\([^"]*\)"' "$top/src" | sed 's/^"//; s/"$//' | head -200 | split -l 1 - "$seeds/fuzz_layout/l" || true
for v in '       7' '  1 2.5 ' '1.5E2' '-3' 'Infinity' 'NaN' '5,7' '.' '1e99'; do printf '0%s' "$v" > "$seeds/fuzz_f_input/$(echo "$v" | md5sum | cut -c1-8)"; done
for t in "${targets[@]}"; do
  corpus="$top/build-fuzz/corpus/$t"; mkdir -p "$corpus"
  echo "== $t for ${seconds}s"
  "$top/build-fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$top/build-fuzz/crash-$t-" "$corpus" "$seeds/$t" 2>&1 | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==ERROR|SUMMARY|Done)' || true
  if ls "$top/build-fuzz/crash-$t-"* >/dev/null 2>&1; then echo "FINDING in $t"; exit 1; fi
done
