#!/usr/bin/env bash
# qorn-console in the game's run folder: texts, character map and both start-up scripts load without complaint.
#   run_folder.sh <qorn-console> <run folder>
set -u
console=$(realpath "$1")
run_folder=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf 'run scripts/init\nrun scripts/initeditor\nquit\n' >"$scratch/input"
(cd "$run_folder" && XDG_DATA_HOME="$scratch/xdg" "$console" <"$scratch/input" >"$scratch/output" 2>&1)
status=$?
problems=$(grep -E "not found|Warning|Error" "$scratch/output")
if [ $status -ne 0 ] || [ -n "$problems" ] || ! grep -q "Application initialized." "$scratch/output"; then
    echo "qorn-console in $run_folder exited with $status:"
    cat "$scratch/output"
    exit 1
fi
exit 0
