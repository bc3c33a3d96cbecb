#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs them one after another.
#
#   scripts/fuzz.sh --ci                 each target for a few seconds from its seed corpus (CI)
#   scripts/fuzz.sh --time SECONDS [TARGET...]   long runs, each target this long
#   scripts/fuzz.sh --runs COUNT [TARGET...]     long runs, each target this many executions
#
# Long runs keep what they learn in fuzz-work/corpus/<target>/ (not tracked) and start from it and
# the seeds the next time; a crashing input lands in fuzz-work/crashes/. Targets are named without
# the fuzz_ prefix (open_file, report_run, ...); with none named, every target runs.
# The last line of each target's run gives its executions and seconds; the script fails when any
# target found a crash.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

targets_all=(open_file name_list mail_list id_list field_test report_run envelope_run import_file http_answer multistatus original_spellings)
mode=long
limit=(-max_total_time=1800)
case "${1:-}" in
  --ci) mode=ci; limit=(-max_total_time="${TAVREL_FUZZ_SECONDS:-7}"); shift ;;
  --time) limit=(-max_total_time="$2"); shift 2 ;;
  --runs) limit=(-runs="$2"); shift 2 ;;
esac
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${targets_all[@]}")

dir=build-fuzz
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$dir" --target fuzzers -j"$(nproc)"

# Inputs as large as a file of about 40 records; longer ones only slow the search.
max_len() {
  case "$1" in
    id_list|mail_list|field_test|http_answer|original_spellings) echo 4096 ;;
    *) echo 24000 ;;
  esac
}

export QT_QPA_PLATFORM=offscreen
# ASan keeps freed blocks for a while and the stack of every allocation for
# ever; a smaller quarantine and shorter stacks keep a run of hours well under
# libFuzzer's memory limit. The live heap stays flat from input to input
# (about 26 MB in report_run over 12 000 inputs, by __sanitizer_print_memory_profile).
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1:quarantine_size_mb=64:malloc_context_size=10}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
work=fuzz-work
[ "$mode" = ci ] && work=$(mktemp -d)
mkdir -p "$work/crashes"
failed=()
for t in "${targets[@]}"; do
  mkdir -p "$work/corpus/$t"
  log="$work/$t.log"
  echo "== fuzz_$t"
  if "$dir/fuzz/fuzz_$t" "${limit[@]}" -max_len="$(max_len "$t")" -timeout=30 -print_final_stats=1 \
       -artifact_prefix="$work/crashes/$t-" "$work/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    echo "fuzz_$t: ${runs:-?} executions in ${secs:-?} s, no crash"
  else
    tail -n 60 "$log"
    echo "fuzz_$t: FAILED, input in $work/crashes/"
    failed+=("$t")
  fi
done
[ "$mode" = ci ] && [ ${#failed[@]} -eq 0 ] && rm -rf "$work"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets that failed: ${failed[*]}"
  exit 1
fi
