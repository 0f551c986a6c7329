#!/usr/bin/env bash
# Two copies of the game started together leave exactly one running; the first goes on until told to stop.
set -u
game=$(realpath "$1")
source "$(dirname "$0")/game_session.sh"
export SDL_AUDIODRIVER=dummy
"$game" >first.log 2>&1 &
pid=$!
wait_for_startup first.log || { echo "the first copy did not start"; cat first.log; exit 1; }
timeout 10 "$game" >second.log 2>&1
status=$?
[ $status -eq 0 ] || { echo "the second copy ended with $status"; cat second.log; exit 1; }
[ -s second.log ] && { echo "the second copy printed:"; cat second.log; exit 1; }
kill -0 "$pid" 2>/dev/null || { echo "the first copy is gone"; cat first.log; exit 1; }
kill -TERM "$pid"
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && { echo "the first copy did not stop on SIGTERM"; exit 1; }
wait "$pid"
status=$?
pid=""
[ $status -eq 0 ] || { echo "the first copy ended with $status"; cat first.log; exit 1; }
exit 0
