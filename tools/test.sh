#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
# --sanitize builds and runs it with AddressSanitizer and UBSan in build-sanitize/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$@"
dir="$root/build"
[ "${1:-}" = "--sanitize" ] && dir="$root/build-sanitize"
cd "$dir"
# A test that hangs (the media backend's rare deadlock) is run once more; a failure is a failure.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --repeat after-timeout:2
