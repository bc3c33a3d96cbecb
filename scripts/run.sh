#!/usr/bin/env bash
# Sets up, builds and starts Tavrel; arguments go to the program (a file to import, --help, ...).
# Under a headless session the windows open inside Xvfb.
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
bash scripts/setup.sh
. scripts/build-tree.sh
configure_build_tree
cmake --build "$build_dir" --target tavrel -j"$(nproc)"
program=$(realpath "$build_dir/src/app/tavrel")
# A file named on the command line is where the caller stands.
cd "$here"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
fi
exec "$program" "$@"
