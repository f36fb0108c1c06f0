#!/usr/bin/env bash
# Makes the preview pictures that README shows: a crop of the sample picture converted to 5-6-5,
# 3-3-2 and monochrome, as the display shows the written bytes, at 400%.
# Usage: preview-screenshots.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/default}
cli="$build/cli/pixmora-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shoot() {
  local name=$1
  shift
  "$cli" "$root/examples/landscape.png" --crop 2,1,30,15 "$@" --verify \
    --preview "$root/docs/$name.png" --preview-scale 4 -o "$work/out.h"
  echo "docs/$name.png"
}
shoot preview-565 --colors 65536
shoot preview-332 --colors 256
shoot preview-monochrome --mode monochrome
