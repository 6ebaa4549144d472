#!/usr/bin/env bash
# Regenerates every whole-run fixture with the independent oracle and compares it
# byte for byte with the stored expected report.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for dir in "$root"/data/*/; do
  [[ -f "$dir/args.txt" ]] || continue
  mapfile -t args < "$dir/args.txt"
  kind=${args[0]#--}
  if ! cmp -s <(/usr/bin/python3 "$root/oracle/cycle_oracle.py" "$kind" 05.03.2026 "${args[@]:1}") "$dir/expected.ini"; then
    echo "oracle disagrees with $dir/expected.ini"
    status=1
  fi
done
exit $status
