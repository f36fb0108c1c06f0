#!/usr/bin/env bash
# Runs every fuzz target briefly over its seeds so that a regression shows in CI.
# Usage: fuzz-smoke.sh BUILD_DIR [SECONDS_PER_TARGET]
set -euo pipefail
build=$1
seconds=${2:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
targets=("$build"/tests/fuzz/fuzz_*)
for target in "${targets[@]}"; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$root/tests/fuzz/corpus/$name"
  work=$(mktemp -d)
  seeds=()
  [ -d "$corpus" ] && seeds=("$corpus")
  echo "fuzz: $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
    -artifact_prefix="$work/" "$work" "${seeds[@]}" 2>"$work/log" || { tail -50 "$work/log"; exit 1; }
  rm -rf "$work"
done
echo "fuzz: ${#targets[@]} targets passed"
