#!/usr/bin/env bash
# Starts the program from the build tree. Until the windows exist this runs the
# command-line calculator on the default inputs and prints the report.
set -euo pipefail
build=${1:-build}
if [[ -x "$build/bin/tervox" ]]; then
  exec "$build/bin/tervox"
fi
report=$(mktemp -d)/result.txt
"$build/bin/tervox-calc" --decimal-separator , --report "$report"
iconv -f CP1251 -t UTF-8 "$report" | tr -d '\r'
