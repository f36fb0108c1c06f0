#!/usr/bin/env bash
# Pictures the main window with a converted image under a virtual X server, at the smallest
# and a large size, in a dark theme and at scale 2, the Display preview beside the picture at
# 800 % with its differences marked, and every secondary window, into docs/.
# Usage: scripts/screenshot.sh [BUILD_DIR] [IMAGE]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
image=$(realpath "${2:-examples/landscape.png}")
mkdir -p docs

shoot() {  # output, filter, then environment assignments
  local output=$1 filter=$2
  shift 2
  env "$@" PIXMORA_SCREENSHOT="$output" PIXMORA_SCREENSHOT_IMAGE="$image" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 3400x2600x24" \
    "$build"/tests/ui_widget_tests --gtest_also_run_disabled_tests \
    --gtest_filter="*DISABLED_$filter" > /dev/null
  echo "wrote $output"
}

shoot "$PWD/docs/main-window.png" MainWindowScreenshot PIXMORA_SCREENSHOT_SIZE=1000x720
shoot "$PWD/docs/main-window-800x609.png" MainWindowScreenshot PIXMORA_SCREENSHOT_SIZE=800x609
shoot "$PWD/docs/main-window-1600x1000.png" MainWindowScreenshot PIXMORA_SCREENSHOT_SIZE=1600x1000
shoot "$PWD/docs/main-window-dark.png" MainWindowScreenshot PIXMORA_SCREENSHOT_SIZE=1000x720 \
  PIXMORA_SCREENSHOT_DARK=1
shoot "$PWD/docs/main-window-scale2.png" MainWindowScreenshot PIXMORA_SCREENSHOT_SIZE=800x609 \
  QT_SCALE_FACTOR=2
shoot "$PWD/docs" SecondaryWindowScreenshots PIXMORA_SCREENSHOT_SIZE=1000x720
shoot "$PWD/docs/display-preview.png" DisplayPreviewScreenshot
