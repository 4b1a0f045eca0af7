#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test: first the optimised build,
# then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
# With CI=true, warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

if [ "${CI:-}" = "true" ]; then plain=ci; sanitized=asan-ci; else plain=dev; sanitized=asan; fi

cmake --preset "$plain" >/dev/null
cmake --build --preset "$plain"
ctest --preset "$plain"

if [ "${TOLVANIS_SKIP_SANITIZERS:-}" != "1" ]; then
    cmake --preset "$sanitized" >/dev/null
    cmake --build --preset "$sanitized"
    ctest --preset "$sanitized"
fi
