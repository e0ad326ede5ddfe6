#!/usr/bin/env bash
# Installs what is missing, builds, and runs Cantorel on the bundled example song.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
exec build/bin/cantorel --chords examples/lantern-road.cho
