# check-manual.sh SOURCE_DIR: the manual page formats without a warning, and
# its text copy is up to date.
set -eu
doc=$1/docs
warnings=$(groff -ww -mandoc -z "$doc/skeinfold.1" 2>&1)
if [ -n "$warnings" ]; then
  printf 'groff warns about skeinfold.1:\n%s\n' "$warnings"
  exit 1
fi
if ! sh "$doc/render.sh" | diff -u "$doc/skeinfold.txt" -; then
  echo "docs/skeinfold.txt is stale: sh docs/render.sh > docs/skeinfold.txt"
  exit 1
fi
echo "manual page: no warnings; text copy up to date"
