# Shared by the end-to-end checks that start the game: a scratch folder of its own, waiting for start-up, stopping.
# Sourced, not run. After sourcing: the working folder is the scratch folder, XDG_DATA_HOME points into it,
# and a game whose pid is in $pid is killed when the script ends.
scratch=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
cd "$scratch" || exit 1
export XDG_DATA_HOME="$scratch/xdg" SDL_VIDEODRIVER=offscreen

# Waits up to ten seconds for a game's log to show the end of its start-up; fails when it never does.
wait_for_startup() {
    local log=$1
    for _ in $(seq 1 100); do
        grep -q "Application initialized." "$log" 2>/dev/null && return 0
        sleep 0.1
    done
    grep -q "Application initialized." "$log" 2>/dev/null
}
