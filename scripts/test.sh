#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
# With --sanitize the suite is built and run under AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

build=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DCANTOREL_SANITIZE=ON -DCANTOREL_BENCHMARKS=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake -S . -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300
