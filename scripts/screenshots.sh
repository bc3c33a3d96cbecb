#!/usr/bin/env bash
# Saves a PNG of each window (or of the windows named as arguments) into shots/,
# drawn on a 1024x768 screen under Xvfb. Windows are listed in tools/shots/*Shots.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TAVREL_SHOTS_BUILD:-build-shots}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTAVREL_TESTS=ON -DTAVREL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target tavrel_shots -j2
mkdir -p shots
xvfb-run -a -s "-screen 0 1024x768x24" "$build/tools/shots/tavrel_shots" shots "$@"
