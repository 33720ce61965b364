#!/usr/bin/env bash
# Builds the artwork generator and renders every picture into assets/
# (1x and 2x), with a contact sheet in assets/preview/ for review.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build"
[ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" -G Ninja
cmake --build "$dir" --target twentyone_artgen
QT_QPA_PLATFORM=offscreen "$dir/tools/twentyone_artgen" "$root/assets"
echo "Rendered into assets/; review assets/preview/contact-sheet.png"
