#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize).
# Re-running only rebuilds what changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build"
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  dir="$root/build-sanitize"
  flags=(-DTWENTYONE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
[ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}"
cmake --build "$dir"
