#!/usr/bin/env bash
# Builds the Debian package of the build, unpacks it into a scratch root with dpkg -x and runs
# the command-line tool from there.
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" ||
  { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/package/pixmora_*.deb)
# dpkg-shlibdeps found what the programs link.
depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libpng16-16 libtomlplusplus3; do
  case "$depends" in *"$library"*) ;; *) echo "Depends lacks $library: $depends"; exit 1 ;; esac
done
# The desktop program's SVG icons need the plugin, which shared-library scanning cannot see.
if dpkg-deb --contents "$deb" | grep -q '/usr/bin/Pixmora_Convert$'; then
  case "$depends" in *libqt6svg6*) ;; *) echo "Depends lacks libqt6svg6: $depends"; exit 1 ;; esac
fi

dpkg -x "$deb" "$scratch/root"
cli="$scratch/root/usr/bin/pixmora-cli"
[ "$("$cli" --version)" = "pixmora-cli 4.0" ]
"$cli" --target xbm --name logo -o "$scratch/logo.h" "$source/examples/landscape.png"
grep -q "static const unsigned char logo_bits\[\] PROGMEM" "$scratch/logo.h"
[ -f "$scratch/root/usr/share/cmake/Pixmora/PixmoraConfig.cmake" ]
[ -f "$scratch/root/usr/share/man/man1/pixmora-cli.1" ]
if [ -f "$scratch/root/usr/share/applications/pixmora-convert.desktop" ]; then
  desktop-file-validate "$scratch/root/usr/share/applications/pixmora-convert.desktop"
fi
echo "packaged $(basename "$deb"), unpacked it and ran pixmora-cli from it"
