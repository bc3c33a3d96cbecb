#!/usr/bin/env bash
# Sets up, builds and runs every test, in the build tree run.sh and screenshots.sh share
# (scripts/build-tree.sh). With --sanitize the build uses AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/, a tree of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
. scripts/build-tree.sh
dir="$build_dir"
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DTAVREL_SANITIZE=ON -DTAVREL_BENCHMARKS=OFF >/dev/null
else
  configure_build_tree
fi
cmake --build "$dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
ctest --test-dir "$dir" --output-on-failure
