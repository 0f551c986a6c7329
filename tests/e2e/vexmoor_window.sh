#!/usr/bin/env bash
# The game on a virtual X display: its window opens titled and sized by the configuration, and SIGTERM closes it cleanly.
set -u
game=$(realpath "$1")
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: skipped"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/Data" "$scratch/xdg/Tessaverde/Vexmoor"
printf 'screensize 1024 768\r\nfullscreen 0\r\n' >"$scratch/xdg/Tessaverde/Vexmoor/config.qsc"
cd "$scratch"
export XDG_DATA_HOME="$scratch/xdg"
unset SDL_VIDEODRIVER
# Runs inside the virtual display: start, wait for the start-up, look at the window, close.
cat >inside.sh <<'INSIDE'
game=$1
"$game" >game.log 2>&1 &
pid=$!
for _ in $(seq 1 150); do
    grep -q "Application initialized." game.log 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if command -v xwininfo >/dev/null; then
    xwininfo -root -tree >windows.txt 2>&1
else
    echo "xwininfo is missing" >windows.txt
fi
kill -TERM "$pid" 2>/dev/null
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && { echo "still running after SIGTERM" >>game.log; kill -KILL "$pid"; }
wait "$pid"
echo "exit $?" >>game.log
INSIDE
timeout 60 xvfb-run -a -s "-screen 0 1280x1024x24" bash inside.sh "$game"
fail() {
    echo "$1"
    cat game.log
    exit 1
}
for line in "Screen[SCREEN]: Creating DirectX 9 device..." "Screen[SCREEN]: Window 1024X768." \
    "Screen[SCREEN]: Device successfully created." "Qorn: Application initialized." "System: Close..." "exit 0"; do
    grep -qxF -- "$line" game.log || fail "missing line: $line"
done
grep -q "Fatal Error!" game.log && fail "a fatal error was shown"
if grep -q "xwininfo is missing" windows.txt; then
    echo "xwininfo is missing: the window's title and size were not checked"
else
    grep -qE '"Vexmoor": .* 1024x768\+' windows.txt || { cat windows.txt; fail "no window titled Vexmoor of 1024x768"; }
fi
exit 0
