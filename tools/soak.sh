#!/usr/bin/env bash
# The long runs, by hand, under the address, leak and undefined-behaviour checkers:
# whole games of every variant of the program with every invariant checked after
# every state step, then games of every variant stopped at any moment in every way.
#   tools/soak.sh [GAMES [CYCLES]]   10,000 games per variant and 1,000 stop cycles
#                                    per variant and way unless told
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-10000}
cycles=${2:-1000}
source tools/ensure-packages.sh
source tools/sanitize.sh
zelmo_ensure_packages
zelmo_sanitizer_env
zelmo_build_sanitized --target zelmo-sim StopsTest
zelmo_require_runtime build-sanitize/zelmo-sim libasan

status=0
for variant in $(build-sanitize/zelmo-sim --list-variants); do
  echo "$variant:"
  # One line per game is too much here: the summary, or the finding, is what counts.
  if ! build-sanitize/zelmo-sim --variant "$variant" --games "$games" --seed 1 --check \
      | tail -n 1; then
    status=1
  fi
done

echo "stops:"
ZELMO_STOP_CYCLES=$cycles build-sanitize/tests/shell/StopsTest --gtest_brief=1 || status=1
exit $status
