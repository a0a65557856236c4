#!/usr/bin/env bash
# Builds the libFuzzer targets over the picture loader and the help reader into
# build-fuzz/ and runs each for SECONDS (default 180), niced, over the committed seeds
# (tests/fuzz/corpus/) and the help file as the build makes it.
#   tools/fuzz.sh [SECONDS [picture|help]...]
# What the fuzzers add to the corpus stays in build-fuzz/corpus/ for the next run; a
# finding ends its fuzzer, leaves its input in build-fuzz/findings/ and fails the script.
# Each fuzzer's log, with its figures at the end, is build-fuzz/fuzz-NAME.log.
set -euo pipefail
cd "$(dirname "$0")/.."
usage() { echo "usage: tools/fuzz.sh [SECONDS [picture|help]...]" >&2; exit 2; }
seconds=${1-180}
case "$seconds" in '' | *[!0-9]*) usage ;; esac
targets=("${@:2}")
[ ${#targets[@]} -gt 0 ] || targets=(picture help)
for name in "${targets[@]}"; do
  case "$name" in picture | help) ;; *) usage ;; esac
done

source tools/ensure-packages.sh
# libFuzzer comes with clang's runtime libraries.
ZELMO_PACKAGES+=(clang libclang-rt-14-dev)
zelmo_ensure_packages

CC=clang CXX=clang++ zelmo_configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZELMO_FUZZ=ON -DZELMO_BUILD_BENCH=OFF -DZELMO_TEST_FOLDERS=fuzz
nice cmake --build build-fuzz --target fuzz_picture fuzz_help helpfile

# The real help file and its sitemaps join the help seeds.
rm -rf build-fuzz/seeds
mkdir -p build-fuzz/seeds/picture build-fuzz/seeds/help
cp build-fuzz/kelvash.chm help/contents.hhc help/index.hhk build-fuzz/seeds/help/

failed=0
for name in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$name" "build-fuzz/findings/$name"
  echo "Fuzzing the $name reader for $seconds s"
  if ! nice "build-fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -dict="tests/fuzz/$name.dict" \
      -artifact_prefix="build-fuzz/findings/$name/" \
      "build-fuzz/corpus/$name" "tests/fuzz/corpus/$name" "build-fuzz/seeds/$name" \
      >"build-fuzz/fuzz-$name.log" 2>&1; then
    echo "fuzz_$name found something: build-fuzz/fuzz-$name.log, build-fuzz/findings/$name/" >&2
    failed=1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' \
    "build-fuzz/fuzz-$name.log" || true
  echo "corpus: $(find "build-fuzz/corpus/$name" -type f | wc -l) files"
done
exit $failed
