#!/usr/bin/env bash
# check-packages.sh: after tests/run-all.sh, makes the packages and checks
# them. The .deb is installed with dpkg, tried and removed again (run as
# root); the Windows ZIPs, where those builds exist, are listed and checked.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

(cd build && cpack -G DEB)
deb=build/skeinfold_1.0.0_$(dpkg --print-architecture).deb
dpkg -i "$deb"
status=0
skeinfold >build/usage.txt || status=$?
if [ $status -ne 1 ] || ! grep -q '^Syntax: Skeinfold <outputfile>$' build/usage.txt; then
  echo "installed skeinfold: status $status, not the usage text and status 1"
  exit 1
fi
man -w skeinfold
dpkg -r skeinfold
for file in /usr/bin/skeinfold /usr/share/man/man1/skeinfold.1; do
  if [ -e "$file" ]; then
    echo "dpkg -r left $file behind"
    exit 1
  fi
done
echo "$deb: installs, runs, has its manual, removes cleanly"

for target in win32 win64; do
  [ -d "build-$target" ] || continue
  (cd "build-$target" && cpack -G ZIP)
  zip=build-$target/skeinfold-1.0.0-$target.zip
  contents=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
  expected="skeinfold-1.0.0-$target/skeinfold.exe skeinfold-1.0.0-$target/skeinfold.txt "
  if [ "$contents" != "$expected" ]; then
    echo "$zip holds: $contents"
    exit 1
  fi
  echo "$zip: $contents"
done
