#!/usr/bin/env bash
# The long run, by hand: whole games of every variant of the program with every
# invariant checked after every state step, under the address, leak and
# undefined-behaviour checkers.
#   tools/soak.sh [GAMES [SEED]]    10,000 games from seed 1 unless told
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-10000}
seed=${2:-1}
source tools/ensure-packages.sh
source tools/sanitize.sh
zelmo_ensure_packages
zelmo_sanitizer_env
zelmo_build_sanitized --target zelmo-sim
zelmo_require_runtime build-sanitize/zelmo-sim libasan

status=0
for variant in $(build-sanitize/zelmo-sim --list-variants); do
  echo "$variant:"
  # One line per game is too much here: the summary, or the finding, is what counts.
  if ! build-sanitize/zelmo-sim --variant "$variant" --games "$games" --seed "$seed" --check \
      | tail -n 1; then
    status=1
  fi
done
exit $status
