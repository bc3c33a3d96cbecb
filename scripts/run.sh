#!/usr/bin/env bash
# Sets up, builds and starts Tavrel; arguments go to the program (a file to import, --help, ...).
# Under a headless session the windows open inside Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
. scripts/build-tree.sh
configure_build_tree
cmake --build "$build_dir" --target tavrel -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build_dir/src/app/tavrel" "$@"
fi
exec "$build_dir/src/app/tavrel" "$@"
