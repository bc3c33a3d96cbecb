#!/usr/bin/env bash
# Prints each list and book report of a 40-record sample file to PDF through the
# real printer layer and renders every page to PNG, into printouts-samples/:
# book, book-large, telephone, abbreviated and listing (.pdf, and -N.png a page).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TAVREL_SAMPLES_BUILD:-build-shots}"
out=printouts-samples
resolution="${TAVREL_SAMPLES_DPI:-100}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTAVREL_TESTS=ON -DTAVREL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target tavrel_printsamples -j2
rm -rf "$out"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/tools/printsamples/tavrel_printsamples" "$out"
for pdf in "$out"/*.pdf; do
  pdftoppm -r "$resolution" -png "$pdf" "${pdf%.pdf}"
done
ls "$out"
