#!/usr/bin/env bash
# Whole-process benchmark of a build's asset step. 500 pictures of 32 x 32 in one run of
# `pixmora-cli -o DIR`, against 500 separate `xxd -i` calls over 500 raw files of the same
# pictures' 5-6-5 bytes (target: at most 0.4 x the time); and a manifest of 200 pictures whose
# second run, with nothing changed, takes under 0.2 s and rewrites no file.
set -euo pipefail
build=$1
cli="$build/cli/pixmora-cli"
work="$build/bench-batch"
rm -rf "$work"
mkdir -p "$work/png"

# 500 different pictures: gradients with a seeded noise, each its own seed.
c++ -O2 -x c++ - -o "$work/make-pngs" -lpng <<'CPP'
#include <png.h>
#include <cstdint>
#include <cstdio>
#include <string>
int main(int, char** argv) {
  const int w = 32, h = 32;
  for (int n = 0; n < 500; ++n) {
    const std::string name = std::string(argv[1]) + "/icon" + std::to_string(n) + ".png";
    FILE* f = std::fopen(name.c_str(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::uint32_t seed = 977u * n + 1;
    png_byte row[w * 3];
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        seed = seed * 1664525u + 1013904223u;
        row[x * 3] = static_cast<png_byte>(x * 8 + n);
        row[x * 3 + 1] = static_cast<png_byte>(y * 8 + (seed >> 29));
        row[x * 3 + 2] = static_cast<png_byte>((x ^ y) * 8);
      }
      png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(f) != 0)
      return 1;
  }
  return 0;
}
CPP
"$work/make-pngs" "$work/png"
# The raw 5-6-5 bytes of the same pictures, 2048 bytes each (the export without its header),
# written by a manifest that names a .bin file per picture.
{
  printf '[defaults]\ncolors = 65536\ninfo = false\n'
  for n in $(seq 0 499); do
    printf '\n[[image]]\nfile = "png/icon%d.png"\noutput = "raw/icon%d.bin"\n' "$n" "$n"
  done
} >"$work/raw.toml"
"$cli" build "$work/raw.toml"

seconds() {  # best of three wall-clock runs of a shell command, in seconds
  local best=""
  for _ in 1 2 3; do
    local start end t
    start=$(date +%s.%N)
    bash -c "$1" >/dev/null
    end=$(date +%s.%N)
    t=$(awk -v a="$start" -v b="$end" 'BEGIN {print b - a}')
    if [ -z "$best" ] || awk -v a="$t" -v b="$best" 'BEGIN {exit !(a < b)}'; then best=$t; fi
  done
  echo "$best"
}

cli_time=$(seconds "rm -rf '$work/out'; '$cli' --colors 65536 -o '$work/out' '$work'/png/*.png")
xxd_time=$(seconds "mkdir -p '$work/xxd'; for f in '$work'/raw/*.bin; do
  b=\${f##*/}; xxd -i \"\$f\" > '$work/xxd/'\"\${b%.bin}\".h; done")

# A manifest of 200 pictures, each with its own name and a target of its own kind.
manifest="$work/assets.toml"
{
  echo '[defaults]'
  echo 'target = "rgb565"'
  for n in $(seq 0 199); do
    printf '\n[[image]]\nfile = "png/icon%d.png"\nname = "icon_%d"\n' "$n" "$n"
  done
} >"$manifest"
"$cli" build "$manifest" -o "$work/gen" >/dev/null
touch -d '2000-01-01' "$work"/gen/*.h
second=$(seconds "'$cli' build '$manifest' -o '$work/gen'")
rewritten=$(find "$work/gen" -newermt '2000-01-02' -type f | wc -l)

awk -v ct="$cli_time" -v xt="$xxd_time" -v s="$second" -v r="$rewritten" 'BEGIN {
  ratio = ct / xt
  printf "pixmora-cli -o DIR, 500 PNG pictures of 32x32 -> C arrays: %.3f s\n", ct
  printf "500 separate xxd -i calls over 2048-byte raw files:     %.3f s\n", xt
  printf "time ratio %.2f (target at most 0.40): %s\n", ratio, ratio <= 0.4 ? "met" : "MISSED"
  printf "200-picture manifest, second run with nothing changed:  %.3f s, %d files rewritten\n", s, r
  printf "target under 0.2 s and no file rewritten: %s\n", s < 0.2 && r == 0 ? "met" : "MISSED"
}'
