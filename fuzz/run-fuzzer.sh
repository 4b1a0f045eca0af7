#!/usr/bin/env bash
# Runs one fuzz target for a fixed time from its seed corpus:
#   run-fuzzer.sh <target binary> <seconds> <seed corpus folder> [more libFuzzer options]
# New inputs go to a scratch folder, never into the repository; an input that fails is kept
# beside the binary as crash-*, leak-* or timeout-* and its path is printed.
set -euo pipefail
binary=$1 seconds=$2 seeds=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts="$(dirname "$binary")/fuzz-artifacts/$(basename "$binary")"
mkdir -p "$artifacts"
suppressions="$(cd "$(dirname "$0")/.." && pwd)/cmake/lsan-outside-libraries.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$suppressions}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
"$binary" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$@" "$scratch" "$seeds"
