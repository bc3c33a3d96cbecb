#!/usr/bin/env bash
# Prints a test page and a full sheet of each label and card stock to PDF
# through the real printer layer and renders every page to PNG, into
# printouts-labels/: <stock>-test.pdf, <stock>-sheet.pdf and -N.png a page.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TAVREL_SAMPLES_BUILD:-build-shots}"
out=printouts-labels
resolution="${TAVREL_SAMPLES_DPI:-100}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTAVREL_TESTS=ON -DTAVREL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target tavrel_printlabels -j2
rm -rf "$out"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/tools/printlabels/tavrel_printlabels" "$out"
for pdf in "$out"/*.pdf; do
  pdftoppm -r "$resolution" -png "$pdf" "${pdf%.pdf}"
done
ls "$out"
