#!/usr/bin/env bash
# Converts the bundled sample picture with the command-line tool and prints the C array.
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
"$build"/cli/pixmora-cli --describe "$root"/examples/landscape.png
echo
"$build"/cli/pixmora-cli "$root"/examples/landscape.png
