#!/usr/bin/env bash
# Configures (once) and builds in Release: the whole tree into build/, and with SUMBREL_GUI=OFF
# (the widget-free libraries, the demo shop and their tests) into build-core/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"
launcher=()
# A compiler cache speeds up rebuilds where one is installed; builds never depend on it.
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
configure() {
  local dir="$1"
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@"
  fi
}
what="${1:-all}"
if [ "$what" = all ] || [ "$what" = gui ]; then
  configure "$root/build" -DSUMBREL_GUI=ON
  cmake --build "$root/build" -j"$jobs"
fi
if [ "$what" = all ] || [ "$what" = core ]; then
  configure "$root/build-core" -DSUMBREL_GUI=OFF -DSUMBREL_BUILD_BENCH=OFF
  cmake --build "$root/build-core" -j"$jobs"
fi
