#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   ./test.sh              the Release build in build/
#   ./test.sh --sanitize   the whole suite under AddressSanitizer, LeakSanitizer and
#                          UndefinedBehaviorSanitizer (build-sanitize/), then the card
#                          table, frame and game-flow tests under ThreadSanitizer
#                          (build-tsan/)
set -euo pipefail
cd "$(dirname "$0")"
case "${1-}" in
  "") sanitize=0 ;;
  --sanitize) sanitize=1 ;;
  *) echo "usage: ./test.sh [--sanitize]" >&2; exit 2 ;;
esac
source tools/ensure-packages.sh
zelmo_ensure_packages

# Tests never see a real display's theme nor the user's settings.
export QT_QPA_PLATFORM=offscreen
unset QT_QPA_PLATFORMTHEME
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

if [ "$sanitize" = 1 ]; then
  source tools/sanitize.sh
  zelmo_sanitized_tests
else
  zelmo_build
  # The end-to-end tests run one at a time on their own X server; the rest use every core.
  ctest --test-dir build --output-on-failure --timeout 600 -j "$(nproc)"
fi
