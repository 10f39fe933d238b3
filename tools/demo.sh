#!/usr/bin/env bash
# Runs the program on each shipped example through the console dialogue and
# shows the reports, then writes the HTML report with the charts of one
# multi-test example. Usage: tools/demo.sh path/to/dorvane
set -euo pipefail
bin=$(realpath "$1")
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/demo-out"
mkdir -p "$out"
for input in "$top"/examples/*.dat; do
  stem=$(basename "$input" .dat)
  work=$(mktemp -d)
  cp "$input" "$work/INPUT.DAT"
  # The dialogue takes names of at most 12 characters: run in a scratch folder.
  (cd "$work" && printf 'INPUT.DAT\nREPORT.OUT\n' | "$bin" >/dev/null) || echo "run failed: $stem" >&2
  cp "$work/REPORT.OUT" "$out/$stem.out" 2>/dev/null || true
  rm -rf "$work"
  echo "===== $stem.dat -> demo-out/$stem.out ====="
  tr -d '\r' < "$out/$stem.out" 2>/dev/null || true
done
# The charts of a multi-test example: a new page on every run.
html="$out/cu_clay_standard.html"
rm -f "$html" "$out/cu_clay_standard.html.out"
"$bin" "$top/examples/cu_clay_standard.dat" "$out/cu_clay_standard.html.out" --html "$html" ||
  echo "run failed: cu_clay_standard (HTML)" >&2
echo "===== HTML report with charts: $html ====="
