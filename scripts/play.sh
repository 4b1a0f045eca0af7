#!/usr/bin/env bash
# Sets up a fresh machine, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target tolvanis
exec ./build/bin/tolvanis "$@"
