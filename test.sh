#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
zelmo_ensure_packages
zelmo_build

# Tests never see a real display's theme nor the user's settings.
export QT_QPA_PLATFORM=offscreen
unset QT_QPA_PLATFORMTHEME
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
ctest --test-dir build --output-on-failure --timeout 600
