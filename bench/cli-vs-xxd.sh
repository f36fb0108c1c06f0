#!/usr/bin/env bash
# Whole-process benchmark: pixmora-cli converting a 3840 x 2160 PNG into a 65536-color Byte C array
# file, against `xxd -i` turning the same picture's raw 5-6-5 bytes (16.6 MB) into a C array.
# Target: at most 0.4 x the time of xxd -i, and a peak memory under 400 MB.
set -euo pipefail
build=$1
cli="$build/cli/pixmora-cli"
work="$build/bench-data"
mkdir -p "$work"
png="$work/uhd.png"

if [ ! -f "$png" ]; then
  # A picture with smooth gradients and fine noise, so the PNG is as hard to decode as a photo.
  c++ -O2 -x c++ - -o "$work/make-png" -lpng <<'CPP'
#include <png.h>
#include <cstdio>
#include <cstdint>
#include <vector>
int main(int, char** argv) {
  const int w = 3840, h = 2160;
  FILE* f = std::fopen(argv[1], "wb");
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(w * 3);
  std::uint32_t seed = 12345;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int noise = static_cast<int>(seed >> 28) - 8;
      auto clamp = [](int v) { return static_cast<png_byte>(v < 0 ? 0 : v > 255 ? 255 : v); };
      row[x * 3] = clamp(x * 255 / w + noise);
      row[x * 3 + 1] = clamp(y * 255 / h + noise);
      row[x * 3 + 2] = clamp(((x / 64 + y / 64) % 2 ? 200 : 60) + noise);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0 ? 0 : 1;
}
CPP
  "$work/make-png" "$png"
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
  printf "pixmora-cli 3840x2160 PNG -> 65536-color Byte C array: %.2f s, peak %.0f MB\n", ct, cr / 1024
  printf "xxd -i over the 16.6 MB of raw 5-6-5 bytes:            %.2f s, peak %.0f MB\n", xt, xr / 1024
  printf "time ratio %.2f (target at most 0.40): %s; peak memory target under 400 MB: %s\n",
         ratio, ratio <= 0.4 ? "met" : "MISSED", cr / 1024 < 400 ? "met" : "MISSED"
}'
