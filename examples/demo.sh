#!/usr/bin/env bash
# Builds the program and the stand-in tool, runs the program over the sample
# directory and shows the combined output file.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
cmake -S "$top" -B "$build" >/dev/null
cmake --build "$build" --target skeinfold quarnel >/dev/null
out="$build/sample-output.txt"
status=0
(cd "$top/examples/sample" && PATH="$build:$PATH" "$build/skeinfold" "$out") ||
  status=$?
echo "--- exit status $status; $out holds:"
cat "$out"
exit "$status"
