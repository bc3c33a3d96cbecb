#!/usr/bin/env bash
# Prints three envelopes of each size (fed sideways, plus one upright
# Commercial #10 run) to PDF through the real printer layer and renders every
# page to PNG, into printouts-envelopes/: size-N-NAME.pdf and -P.png a page.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TAVREL_SAMPLES_BUILD:-build-shots}"
out=printouts-envelopes
resolution="${TAVREL_SAMPLES_DPI:-60}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTAVREL_TESTS=ON -DTAVREL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target tavrel_printenvelopes -j2
rm -rf "$out"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/tools/printenvelopes/tavrel_printenvelopes" "$out"
for pdf in "$out"/*.pdf; do
  pdftoppm -r "$resolution" -png "$pdf" "${pdf%.pdf}"
done
for pdf in "$out"/*.pdf; do
  printf '%s: %s\n' "$(basename "$pdf")" "$(pdfinfo "$pdf" | sed -n 's/^Page size: *//p')"
done
