#!/usr/bin/env bash
# Installs what is missing, builds, and runs Cantorel on the bundled example song:
# in the window when there is a display, else exported beside the song as BMP
# and PDF (the two paths are printed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
song=examples/lantern-road.cho
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/cantorel "$song"
fi
exec build/bin/cantorel --export "$song"
