#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test: first the optimised build,
# then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer (leaks included),
# then a short run of each fuzz target (clang and libFuzzer, preset `fuzz`).
# With CI=true, warnings are errors. TOLVANIS_SKIP_SANITIZERS=1 or TOLVANIS_SKIP_FUZZ=1 leaves
# out a stage; TOLVANIS_FUZZ_SECONDS sets the length of each fuzz run (30 s).
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

if [ "${TOLVANIS_SKIP_FUZZ:-}" != "1" ]; then
    cmake --preset fuzz -DTOLVANIS_FUZZ_SECONDS="${TOLVANIS_FUZZ_SECONDS:-30}" >/dev/null
    cmake --build --preset fuzz
    ctest --preset fuzz
fi
