#!/usr/bin/env bash
# Prints sample printouts to PDF through the real printer layer and renders
# every page to PNG, into printouts-samples/KIND/ (.pdf, and -N.png a page):
#   reports    book, book-large, telephone, abbreviated and listing of a
#              40-record sample file
#   labels     <stock>-test and <stock>-sheet: a test page and a full sheet of
#              each label and card stock (continuous forms: the whole run, three
#              forms)
#   envelopes  size-N-NAME and size-N-NAME-portrait: three envelopes of each
#              size, fed sideways and upright; each file's page size is listed
# Usage: scripts/print-samples.sh [reports] [labels] [envelopes]  (all by default)
set -euo pipefail
cd "$(dirname "$0")/.."
kinds=("$@")
[ ${#kinds[@]} -gt 0 ] || kinds=(reports labels envelopes)
for kind in "${kinds[@]}"; do
  case "$kind" in
    reports | labels | envelopes) ;;
    *) echo "usage: $0 [reports] [labels] [envelopes]" >&2; exit 2 ;;
  esac
done
# Built in the tree that run.sh and test.sh share (scripts/build-tree.sh).
. scripts/build-tree.sh
configure_build_tree
build="$build_dir"
cmake --build "$build" --target tavrel_printsamples -j"$(nproc)"
for kind in "${kinds[@]}"; do
  out="printouts-samples/$kind"
  resolution="${TAVREL_SAMPLES_DPI:-100}"
  [ "$kind" != envelopes ] || resolution="${TAVREL_SAMPLES_DPI:-60}"
  rm -rf "$out"
  mkdir -p "$out"
  QT_QPA_PLATFORM=offscreen "$build/tools/printsamples/tavrel_printsamples" "$kind" "$out"
  for pdf in "$out"/*.pdf; do
    pdftoppm -r "$resolution" -png "$pdf" "${pdf%.pdf}"
  done
  if [ "$kind" = envelopes ]; then
    for pdf in "$out"/*.pdf; do
      printf '%s: %s\n' "$(basename "$pdf")" "$(pdfinfo "$pdf" | sed -n 's/^Page size: *//p')"
    done
  fi
done
