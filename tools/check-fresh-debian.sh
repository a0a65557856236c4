#!/usr/bin/env bash
# Shows that a new machine needs nothing installed by hand: in a fresh minimal Debian 12,
# a clone of this repository passes ./test.sh and ./test.sh --sanitize, and ./run.sh
# starts the game under Xvfb (a screenshot of it is kept). Needs root and the Debian
# mirror; it builds everything from cold, so it takes an hour or more and is run by hand.
# A rerun in the same WORK_DIR keeps its clone and skips the steps that passed.
# Usage: tools/check-fresh-debian.sh [WORK_DIR]
set -euo pipefail
SRC=$(cd "$(dirname "$0")/.." && pwd)
WORK=$(realpath "${1:-$(mktemp -d)}")
source "$SRC/tools/debian-root.sh"
zelmo_debian_root "$WORK/bookworm"
CLONE=/root/christmas-zelmo
if [ -e "$ROOT$CLONE" ]; then
  echo "rerun: the clone at $(git -C "$ROOT$CLONE" rev-parse --short HEAD) is kept"
else
  git clone -q "$SRC" "$ROOT$CLONE"
  echo "packages installed before: $(in_root dpkg-query -W | wc -l)"
fi

# step NAME TITLE COMMAND: runs COMMAND in the clone inside the root, its output in
# WORK/NAME.log.
step() {
  local name=$1 start=$SECONDS
  echo "== $2"
  [ -e "$WORK/$name.passed" ] && { echo "   passed before"; return; }
  if ! in_root bash -c "cd $CLONE || exit 1; $3" >"$WORK/$name.log" 2>&1; then
    tail -n 40 "$WORK/$name.log"
    echo "FAIL: $2 (whole output in $WORK/$name.log)"
    exit 1
  fi
  touch "$WORK/$name.passed"
  echo "   $((SECONDS - start)) s"
  grep -E 'tests passed|^Installing missing packages' "$WORK/$name.log" | sed 's/^/   /' || true
}

step test ./test.sh ./test.sh
step sanitize './test.sh --sanitize' './test.sh --sanitize'
step run './run.sh under Xvfb, then Play > Mover' '
  Xvfb :9 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & X=$!
  export DISPLAY=:9 XDG_CONFIG_HOME=$(mktemp -d) XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  ./run.sh >/tmp/run.log 2>&1 & P=$!
  W=
  for i in $(seq 300); do
    W=$(xdotool search --onlyvisible --name "^Christmas Zelmo\$" 2>/dev/null | head -n1) && [ -n "$W" ] && break
    sleep 0.2
  done
  [ -n "$W" ] || { echo "no main window"; cat /tmp/run.log; kill $P $X; exit 1; }
  echo "main window shown"
  # Play > Mover, then let the deal fly before the picture.
  xdotool windowfocus "$W"; xdotool key alt+p; sleep 0.3; xdotool key m; sleep 3
  import -window root /tmp/run.png
  kill $P; wait $P 2>/dev/null || true; kill $X 2>/dev/null || true'
cp "$ROOT/tmp/run.png" "$WORK/run.png"
echo "packages installed after: $(in_root dpkg-query -W | wc -l)"
echo "PASS: ./test.sh, ./test.sh --sanitize and ./run.sh on a fresh Debian 12 ($WORK; screenshot run.png)"
