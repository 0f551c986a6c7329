#!/usr/bin/env bash
# The game with and without a sound device: the disk driver receives the mix; no driver at all logs a warning and the game goes on.
set -u
game=$(realpath "$1")
source "$(dirname "$0")/game_session.sh"

# Starts the game with an audio driver, waits for its start-up, lets it run a moment and stops it.
run_game() {
    local driver=$1 log=$2
    SDL_AUDIODRIVER=$driver SDL_DISKAUDIOFILE="$scratch/mix.raw" "$game" >"$log" 2>&1 &
    pid=$!
    wait_for_startup "$log"
    sleep 0.3
    kill -0 "$pid" 2>/dev/null || { echo "the game with driver '$driver' is gone (another copy running?)"; cat "$log"; exit 1; }
    kill -TERM "$pid"
    wait "$pid"
    local status=$?
    pid=""
    [ $status -eq 0 ] || { echo "the game with driver '$driver' ended with $status"; cat "$log"; exit 1; }
    grep -q "Application initialized." "$log" || { echo "the game with driver '$driver' did not start"; cat "$log"; exit 1; }
}

run_game no-such-driver nodevice.log
grep -qx "Warning! No sound device!" nodevice.log || { echo "no warning without a device"; cat nodevice.log; exit 1; }

run_game disk disk.log
grep -q "No sound device" disk.log && { echo "the disk driver was not used"; cat disk.log; exit 1; }
[ -s "$scratch/mix.raw" ] || { echo "nothing reached the sound device"; exit 1; }
exit 0
