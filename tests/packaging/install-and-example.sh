#!/usr/bin/env bash
# Installs the build into a scratch prefix, builds examples/cmake-firmware against it, runs it,
# and checks its output; then a build with nothing changed runs nothing, and one with a picture
# touched converts again but compiles nothing, the outputs being the same bytes.
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
example="$scratch/example"

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/pixmora-cli share/man/man1/pixmora-cli.1 include/pixmora/pixmora_decode.h \
            share/cmake/Pixmora/PixmoraConfig.cmake share/cmake/Pixmora/PixmoraConfigVersion.cmake \
            share/cmake/Pixmora/PixmoraImages.cmake; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
if [ -x "$build/Pixmora_Convert" ]; then
  for file in bin/Pixmora_Convert share/applications/pixmora-convert.desktop \
              share/icons/hicolor/scalable/apps/pixmora.svg; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
  done
fi

# The example's sources are copied, so touching a picture leaves the repository alone.
cp -r "$source/examples/cmake-firmware" "$scratch/source"
cmake -S "$scratch/source" -B "$example" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$example" >"$scratch/first.log"
"$example/firmware" >"$scratch/output.txt"
diff -u "$source/examples/cmake-firmware/expected-output.txt" "$scratch/output.txt"

cmake --build "$example" >"$scratch/second.log"
if ! grep -q "no work to do" "$scratch/second.log"; then
  echo "a second build with nothing changed ran:"; cat "$scratch/second.log"; exit 1
fi

touch "$scratch/source/images/logo.png"
cmake --build "$example" >"$scratch/third.log"
grep -q "Converting assets.toml for firmware" "$scratch/third.log"
if grep -q "Building C object" "$scratch/third.log"; then
  echo "an unchanged output was rewritten:"; cat "$scratch/third.log"; exit 1
fi
echo "installed, built and ran the example; unchanged outputs kept"
