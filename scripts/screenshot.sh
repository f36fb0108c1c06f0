#!/usr/bin/env bash
# Pictures the main window with a converted image under a virtual X server and writes
# docs/main-window.png, and the Display preview beside it at 800 % with its differences marked,
# docs/display-preview.png. Usage: scripts/screenshot.sh [BUILD_DIR] [IMAGE]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
image=$(realpath "${2:-examples/landscape.png}")
mkdir -p docs
shoot() {
  PIXMORA_SCREENSHOT="$PWD/docs/$1.png" PIXMORA_SCREENSHOT_IMAGE="$image" \
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build"/tests/ui_widget_tests --gtest_also_run_disabled_tests \
    --gtest_filter="*DISABLED_$2"
  echo "wrote docs/$1.png"
}
shoot main-window MainWindowScreenshot
shoot display-preview DisplayPreviewScreenshot
