#!/usr/bin/env bash
# Plays the recorded seeded run again and compares its trace with the recorded one byte for
# byte (the timing line aside). A change that is not meant to change play must keep it equal.
#   CheckGoldenTrace.sh SIM PLAYERS SEED GOLDEN.gz
set -euo pipefail
tmp=$(mktemp); trap 'rm -f "$tmp"' EXIT
sim=$1 players=$2 seed=$3 golden=$4
if ! diff <(gzip -dc "$golden") <("$sim" --deals 500 --players "$players" --seed "$seed" --trace | grep -v '^deals=') >"$tmp"; then
    echo "trace of $players players, seed $seed differs from $golden:"
    head -20 "$tmp"
    exit 1
fi
