#!/usr/bin/env bash
# Sets up, builds and starts Tavrel. Under a headless session it runs inside Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_TESTS=OFF -DTAVREL_BENCHMARKS=OFF >/dev/null
cmake --build build --target tavrel -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/src/app/tavrel
fi
exec build/src/app/tavrel
