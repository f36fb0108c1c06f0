#!/usr/bin/env bash
# Whole-process benchmark: pixmora-cli converting a 3840 x 2160 PNG into a 65536-color Byte C array
# file, against `xxd -i` turning the same picture's raw 5-6-5 bytes (16.6 MB) into a C array.
# Target: at most 0.25 x the time of xxd -i, and a peak memory of at most 80 MiB.
set -euo pipefail
build=$1
cli="$build/cli/pixmora-cli"
work="$build/bench-data"
mkdir -p "$work"
png="$work/uhd.png"

if [ ! -f "$png" ]; then
  c++ -O2 "$(dirname "$0")/tools/make-png.cpp" -o "$work/make-png" -lpng
  "$work/make-png" "$png" 3840 2160
fi
# The raw 5-6-5 bytes of the same picture, high byte first: the export without its header.
"$cli" --colors 65536 --repr byte --no-info -o "$work/uhd.bin" "$png"

# Best of three runs: wall-clock seconds and peak resident memory in kB from /usr/bin/time -v.
measure() {
  local best_time="" best_rss=""
  for _ in 1 2 3; do
    /usr/bin/time -v "$@" 2>"$work/time.txt" >/dev/null
    local t rss
    t=$(awk -F': ' '/Elapsed \(wall clock\)/ {n = split($2, p, ":"); s = 0;
          for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s}' "$work/time.txt")
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    if [ -z "$best_time" ] || awk -v a="$t" -v b="$best_time" 'BEGIN {exit !(a < b)}'; then
      best_time=$t
    fi
    if [ -z "$best_rss" ] || [ "$rss" -gt "$best_rss" ]; then best_rss=$rss; fi
  done
  echo "$best_time $best_rss"
}

read -r cli_time cli_rss < <(measure "$cli" --colors 65536 --repr byte -o "$work/uhd.h" "$png")
read -r xxd_time xxd_rss < <(measure sh -c "xxd -i '$work/uhd.bin' > '$work/uhd-xxd.h'")
awk -v ct="$cli_time" -v cr="$cli_rss" -v xt="$xxd_time" -v xr="$xxd_rss" 'BEGIN {
  ratio = ct / xt
  printf "pixmora-cli 3840x2160 PNG -> 65536-color Byte C array: %.2f s, peak %.0f MiB\n", ct, cr / 1024
  printf "xxd -i over the 16.6 MB of raw 5-6-5 bytes:            %.2f s, peak %.0f MiB\n", xt, xr / 1024
  printf "time ratio %.2f (target at most 0.25): %s; peak memory target at most 80 MiB: %s\n",
         ratio, ratio <= 0.25 ? "met" : "MISSED", cr / 1024 <= 80 ? "met" : "MISSED"
}'
