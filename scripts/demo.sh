#!/usr/bin/env bash
# Converts the bundled sample picture and prints the C array.
set -euo pipefail
build=$1
"$build"/examples/pixmora-demo
