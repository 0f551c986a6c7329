#!/usr/bin/env bash
# Checks that no source folder includes a header of a folder above it in the engine's layering.
set -u
root=$1
layers=(platform base script sound engine graphics scene ui game editor)
status=0
for ((i = 0; i < ${#layers[@]}; i++)); do
    folder=${layers[$i]}
    [ -d "$root/$folder" ] || continue
    for ((j = i + 1; j < ${#layers[@]}; j++)); do
        higher=${layers[$j]}
        hits=$(grep -rnE "^\s*#\s*include\s*\"$higher/" "$root/$folder" --include='*.h' --include='*.cpp' 2>/dev/null)
        if [ -n "$hits" ]; then
            echo "$folder/ includes $higher/:"
            echo "$hits"
            status=1
        fi
    done
done
# The platform layer knows nothing of the engine.
exit $status
