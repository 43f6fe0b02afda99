#!/bin/sh
# render.sh [MANUAL]: the manual page as plain ASCII text, 78 columns, with
# no overstriking: the text copy that goes with the Windows builds.
# Refresh it with: sh docs/render.sh > docs/skeinfold.txt
set -eu
manual=${1:-$(dirname "$0")/skeinfold.1}
groff -mandoc -Tascii -P-c -P-b -P-o -P-u -rLL=78n "$manual"
