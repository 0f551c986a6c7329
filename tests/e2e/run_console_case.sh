#!/usr/bin/env bash
# Runs one qorn-console case in a scratch folder and compares its output with the expected lines.
#   run_console_case.sh <qorn-console> <case>   (case.in, case.out; optional case.config and case.data/)
set -u
console=$(realpath "$1")
case=$(realpath -m "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/xdg" "$scratch/Data"
if [ -f "$case.config" ]; then
    mkdir -p "$scratch/xdg/Tessaverde/Vexmoor"
    sed 's/$/\r/' "$case.config" >"$scratch/xdg/Tessaverde/Vexmoor/config.qsc"
fi
if [ -d "$case.data" ]; then
    # Scripts need CR LF line ends; the sources are kept with LF.
    (cd "$case.data" && find . -type f) | while read -r file; do
        mkdir -p "$scratch/Data/$(dirname "$file")"
        sed 's/$/\r/' "$case.data/$file" >"$scratch/Data/$file"
    done
fi
(cd "$scratch" && XDG_DATA_HOME="$scratch/xdg" "$console" <"$case.in" >"$scratch/actual" 2>&1)
status=$?
sed -i -e 's/^Qorn Engine \[.*\]$/Qorn Engine [date \/ time]/' -e "s#$scratch/xdg#\$XDG#g" "$scratch/actual"
if [ $status -ne 0 ]; then
    echo "qorn-console exited with $status"
    cat "$scratch/actual"
    exit 1
fi
diff -u "$case.out" "$scratch/actual" && exit 0
exit 1
