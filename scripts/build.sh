#!/usr/bin/env bash
# Configures (once) and builds the whole tree in Release into build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"
if [ ! -f "$root/build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$root/build" -j"$jobs"
