#!/usr/bin/env bash
# Whole-process benchmark of the streamed classic output: peak memory against the decoded
# picture (4 bytes a pixel) for the color, monochrome, palette and compressed runs of a
# 3840 x 2160 picture, and time and memory for a 12000 x 12000 one.
# Targets: 4K color at most 80 MiB; the others at most the picture + 16 MiB; 12000 x 12000 at
# most 6 s and 1.2 GiB.
set -euo pipefail
build=$1
cli="$build/cli/pixmora-cli"
work="$build/bench-data"
mkdir -p "$work"
maker="$work/make-png"
source="$(dirname "$0")/tools/make-png.cpp"
[ "$maker" -nt "$source" ] || c++ -O2 "$source" -o "$maker" -lpng
[ -f "$work/uhd.png" ] || "$maker" "$work/uhd.png" 3840 2160
[ -f "$work/uhd-16.png" ] || "$maker" "$work/uhd-16.png" 3840 2160 palette
[ -f "$work/huge.png" ] || "$maker" "$work/huge.png" 12000 12000

# Best wall-clock seconds and highest peak resident memory (kB) of `runs` runs.
measure() {
  local runs=$1
  shift
  local best_time="" top_rss=0
  for ((i = 0; i < runs; i++)); do
    rm -f "$work/stream-out.h"
    /usr/bin/time -v "$@" -o "$work/stream-out.h" 2>"$work/time.txt" >/dev/null
    local t rss
    t=$(awk -F': ' '/Elapsed \(wall clock\)/ {n = split($2, p, ":"); s = 0;
          for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s}' "$work/time.txt")
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    if [ -z "$best_time" ] || awk -v a="$t" -v b="$best_time" 'BEGIN {exit !(a < b)}'; then
      best_time=$t
    fi
    [ "$rss" -gt "$top_rss" ] && top_rss=$rss
  done
  echo "$best_time $top_rss"
}

# name, pixels, allowed MiB, allowed seconds (0: no limit), then the command line
report() {
  local name=$1 pixels=$2 limit=$3 seconds=$4 runs=$5
  shift 5
  read -r t rss < <(measure "$runs" "$cli" "$@")
  awk -v n="$name" -v px="$pixels" -v lim="$limit" -v sec="$seconds" -v t="$t" -v r="$rss" 'BEGIN {
    mib = r / 1024; pic = px * 4 / 1048576
    ok = mib <= lim && (sec == 0 || t <= sec)
    extra = ""
    if (sec > 0) extra = sprintf(", %d s", sec)
    printf "%-34s %6.2f s  peak %7.1f MiB  (picture %6.1f MiB + %6.1f)  limit %6.0f MiB%s: %s\n", n, t, mib, pic, mib - pic, lim, extra, (ok ? "met" : "MISSED")
  }'
}

uhd=$((3840 * 2160))
pic=$((uhd * 4 / 1048576))
report "4K 5-6-5 byte C array" $uhd 80 0 3 --colors 65536 --repr byte "$work/uhd.png"
report "4K monochrome, vertical" $uhd $((pic + 16)) 0 3 --mode monochrome --orientation vertical "$work/uhd.png"
report "4K palette of 16, 2 pixels a byte" $uhd $((pic + 16)) 0 3 --pixels-per-byte auto "$work/uhd-16.png"
report "4K 5-6-5 words, compressed" $uhd $((pic + 16)) 0 3 --repr word --compress "$work/uhd.png"
report "12000x12000 5-6-5 byte C array" $((12000 * 12000)) 1229 6 2 --colors 65536 --repr byte "$work/huge.png"
rm -f "$work/stream-out.h"
