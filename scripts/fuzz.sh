#!/usr/bin/env bash
# Runs every libFuzzer program of a fuzz build for the given number of seconds,
# starting from and adding to its corpus under tests/fuzz/corpus/NAME.
set -euo pipefail
build=$1
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
for fuzzer in $(find "$build" -maxdepth 3 -type f -name 'fuzz_*' -perm -u+x); do
  name=$(basename "$fuzzer")
  corpus="$root/tests/fuzz/corpus/$name"
  mkdir -p "$corpus" "$build/fuzz-artifacts/$name"
  echo "== $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -artifact_prefix="$build/fuzz-artifacts/$name/" "$corpus"
done
