#!/usr/bin/env bash
# Starts the program from the build tree; it finds its sound track in build/bin.
set -euo pipefail
build=${1:-build}
exec "$build/bin/tervox"
