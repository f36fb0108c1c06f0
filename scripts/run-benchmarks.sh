#!/usr/bin/env bash
# Runs every benchmark program of the build, then the whole-process benchmark scripts of bench/.
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
for program in "$build"/bench/*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  QT_QPA_PLATFORM=offscreen "$program" --benchmark_counters_tabular=true
done
for script in "$root"/bench/*.sh; do
  echo "== $(basename "$script")"
  bash "$script" "$build"
done
