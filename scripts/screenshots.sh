#!/usr/bin/env bash
# Saves a PNG of each window (or of the windows named as arguments) into shots/,
# drawn on a 1024x768 screen under Xvfb. Windows are listed in tools/shots/*Shots.cpp.
# Built in the tree that run.sh and test.sh share (scripts/build-tree.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build-tree.sh
configure_build_tree
cmake --build "$build_dir" --target tavrel_shots -j"$(nproc)"
mkdir -p shots
xvfb-run -a -s "-screen 0 1024x768x24" "$build_dir/tools/shots/tavrel_shots" shots "$@"
