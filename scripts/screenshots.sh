#!/usr/bin/env bash
# Saves a PNG of each window (or of the windows named as arguments) into shots/,
# drawn on a 1024x768 screen under Xvfb. Windows are listed in tools/shots/*Shots.cpp.
#   --dark   in a dark palette, into shots/dark/
#   --large  at QT_SCALE_FACTOR=2 on a 2048x1536 screen, into shots/large/
# Built in the tree that run.sh and test.sh share (scripts/build-tree.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/build-tree.sh
configure_build_tree
cmake --build "$build_dir" --target tavrel_shots -j"$(nproc)"
out=shots screen=1024x768 mode=()
case "${1:-}" in
--dark) shift; out=shots/dark; mode=(--dark) ;;
--large) shift; out=shots/large; screen=2048x1536; export QT_SCALE_FACTOR=2 ;;
esac
mkdir -p "$out"
xvfb-run -a -s "-screen 0 ${screen}x24" "$build_dir/tools/shots/tavrel_shots" "${mode[@]}" "$out" "$@"
