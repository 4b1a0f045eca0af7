#!/usr/bin/env bash
# Builds the game, starts it on a virtual X server and photographs the screen once the table
# window is up, and keeps the picture of that window: build/screenshot.png (or the path given
# as the last argument).
#   --scale N      a screen with N device pixels to a pixel (QT_SCALE_FACTOR), and a virtual
#                  screen N times as large
#   --window WxH   the table window's inner size in pixels, larger than its default
# BUILD_DIR chooses another build folder (default: build, the "dev" preset).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

# Second stage, on the virtual server: start the game, wait for its window, photograph it.
if [ "${1:-}" = "--on-display" ]; then
    bin=$2 out=$3 geometry=${4:-}
    cd "$bin"
    if [ -n "$geometry" ]; then ./tolvanis -geometry "$geometry" & else ./tolvanis & fi
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
    # Only the table window, as a player sees it.
    id=$(xwininfo -root -tree | grep '"Tolvanis v[0-9.]*"' | head -n 1 | awk '{print $1}')
    import -window "${id:-root}" "$out"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    exit 0
fi

scale=1 window=
while [ $# -gt 0 ]; do
    case $1 in
        --scale) scale=$2; shift 2 ;;
        --window) window=$2; shift 2 ;;
        *) break ;;
    esac
done

build=${BUILD_DIR:-$root/build}
out=${1:-$build/screenshot.png}
case $out in /*) ;; *) out=$PWD/$out ;; esac

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target tolvanis -j2

screen_w=800 screen_h=600
if [ -n "$window" ]; then
    screen_w=$(( ${window%x*} + 100 > screen_w ? ${window%x*} + 100 : screen_w ))
    screen_h=$(( ${window#*x} + 100 > screen_h ? ${window#*x} + 100 : screen_h ))
fi
screen=$(awk -v w="$screen_w" -v h="$screen_h" -v s="$scale" 'BEGIN { printf "%dx%d", w * s, h * s }')
QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${screen}x24" \
    "$root/scripts/screenshot.sh" --on-display "$build/bin" "$out" "$window"
echo "screenshot written to $out"
