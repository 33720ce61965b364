#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
exec "$root/build/bin/twentyone"
