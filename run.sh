#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  exit 1
fi
source tools/ensure-packages.sh
zelmo_ensure_packages
zelmo_build
exec ./build/christmas-zelmo "$@"
