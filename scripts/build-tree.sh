# Sourced by run.sh, test.sh, screenshots.sh and print-samples.sh: they all build in one tree, so
# whichever runs second builds only what the first did not. Debug, with the tests, the tools and
# the benchmarks. The sanitizer build (test.sh --sanitize) and release builds have trees of their own.
build_dir="${TAVREL_BUILD_DIR:-build-test}"

configure_build_tree() {
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug -DTAVREL_TESTS=ON -DTAVREL_BENCHMARKS=ON \
    -DTAVREL_SANITIZE=OFF >/dev/null
}
