# The suite under runtime checkers. Sourced by test.sh, which has installed the
# packages and set the test environment.

# Each checker reports every finding with its whole stack; the suppression files name
# only findings inside Qt and the libraries below it, each with its reason.
zelmo_sanitizer_env() {
  local supp=$PWD/tools/sanitizers
  export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
  export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export TSAN_OPTIONS="suppressions=$supp/tsan.supp:second_deadlock_stack=1"
}

# Refuses a build whose programs would run without the checker they were meant for.
zelmo_require_runtime() {
  local program=$1 runtime=$2
  # grep reads to the end: quitting early would fail ldd under pipefail.
  if ! ldd "$program" | grep "$runtime" >/dev/null; then
    echo "test.sh: $program is not linked with $runtime" >&2
    return 1
  fi
}

# The build under the address, leak and undefined-behaviour checkers; any targets given.
zelmo_build_sanitized() {
  zelmo_configure build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELMO_SANITIZE=address \
    -DZELMO_BUILD_BENCH=OFF
  cmake --build build-sanitize "$@"
}

zelmo_sanitized_tests() {
  zelmo_sanitizer_env
  # The whole suite, the real program and zelmo-sim included.
  zelmo_build_sanitized
  zelmo_require_runtime build-sanitize/christmas-zelmo libasan
  zelmo_require_runtime build-sanitize/christmas-zelmo libubsan
  ctest --test-dir build-sanitize --output-on-failure --timeout 1200 -j "$(nproc)"

  # The pacing thread against the user-interface thread: only the tests that run both.
  zelmo_configure build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELMO_SANITIZE=thread \
    -DZELMO_BUILD_BENCH=OFF "-DZELMO_TEST_FOLDERS=cards;frame;games"
  cmake --build build-tsan --target zelmo_test_programs
  zelmo_require_runtime build-tsan/tests/frame/ZelmoGameTest libtsan
  # Pictures for a 4K table are large enough for Qt to split their filling and scaling
  # over its own thread pool, which synchronises where the sanitizer cannot see; those
  # two tests run no pacing thread, and the other sanitizers cover them.
  ctest --test-dir build-tsan --output-on-failure --timeout 1200 -j "$(nproc)" \
    -E 'SharpCorners.*At576|BackgroundTest.AMadePictureFollowsTheTableRatio'
}
