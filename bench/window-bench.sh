#!/usr/bin/env bash
# The game window at full speed on a virtual X server, next to the headless simulator in the
# same run: deals a second with the Moves window closed and open, the game's share of a
# processor, how long a menu takes to open meanwhile, and the wake-ups a second while the
# computers pause at the starting speed. Goals: at least 200 deals/s closed, 150 open, a menu
# within 50 ms, under 1 % of a processor and under 10 wake-ups a second while pausing.
#   bench/window-bench.sh [--seconds N]      (default 20 a phase)
# BUILD_DIR chooses the build folder (default: build, as the presets make it).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
seconds=20
if [ "${1:-}" = "--seconds" ]; then seconds=$2; fi

cmake --build "$build" --target tolvanis_window_bench tolvanis-sim -j2 >/dev/null

echo "window (Xvfb, all seats computer without pause, slider at FAST, ${seconds} s a phase):"
xvfb-run -a -s "-screen 0 1024x768x24" \
    nice -n 10 "$build/bin/tolvanis_window_bench" --seconds "$seconds" --pause-seconds 10

# The simulator plays as many deals as the window managed in a phase, on the same machine.
echo "simulator (headless, same machine, same run):"
nice -n 10 "$build/bin/tolvanis-sim" --deals 20000 --seed 1 | grep '^deals='
