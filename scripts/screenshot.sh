#!/usr/bin/env bash
# Builds the game, starts it on a virtual X server and photographs the screen once the table
# window is up: build/screenshot.png (or the path given as the first argument).
# BUILD_DIR chooses another build folder (default: build, the "dev" preset).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

# Second stage, on the virtual server: start the game, wait for its window, photograph it.
if [ "${1:-}" = "--on-display" ]; then
    bin=$2 out=$3
    cd "$bin"
    ./tolvanis &
    pid=$!
    # The window is up when the server lists its caption.
    for _ in $(seq 1 150); do
        if xwininfo -root -tree 2>/dev/null | grep -q '"Tolvanis v[0-9.]*"'; then break; fi
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "tolvanis exited before showing its window" >&2
            exit 1
        fi
        sleep 0.1
    done
    # Let the first paint land.
    sleep 1.5
    import -window root "$out"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    exit 0
fi

build=${BUILD_DIR:-$root/build}
out=${1:-$build/screenshot.png}
case $out in /*) ;; *) out=$PWD/$out ;; esac

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target tolvanis -j2

xvfb-run -a -s "-screen 0 800x600x24" "$root/scripts/screenshot.sh" --on-display "$build/bin" "$out"
echo "screenshot written to $out"
