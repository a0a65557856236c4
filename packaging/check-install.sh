#!/bin/bash
# Installs the built package into a fresh minimal Debian 12, starts the program there
# under Xvfb from its menu entry's Exec line, opens its help, then purges the package
# and lists what is left of it. Needs root and the Debian mirror; takes minutes, so it
# is run by hand, not by the test suite.
# Usage: packaging/check-install.sh PACKAGE.deb [WORK_DIR]
set -eu
DEB=$(realpath "$1")
WORK=${2:-$(mktemp -d)}
ROOT="$WORK/bookworm"
source "$(dirname "$0")/../tools/debian-root.sh"

# Every file of the system except the changing state of apt, dpkg and the logs.
list_files() {
    (cd "$ROOT" && find . -xdev \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./tmp \
        -o -path ./run -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./var/cache \
        -o -path ./var/log -o -path ./root \) -prune -o -print | sort) >"$1"
}

zelmo_debian_root "$ROOT"
# A rerun starts from a system without the package.
in_root apt-get purge -y -q christmas-zelmo >/dev/null 2>&1 || true
in_root apt-get autoremove --purge -y -q >/dev/null 2>&1 || true
cp "$DEB" "$ROOT/tmp/"
PKG=/tmp/$(basename "$DEB")
in_root apt-get update -q >/dev/null

# The test tools first, so the package's own install is all that changes after.
echo "== the test tools: xvfb, xdotool"
in_root apt-get install -y -q --no-install-recommends xvfb xauth xdotool >/dev/null
list_files "$WORK/before.txt"

echo "== apt-get install $PKG (what it pulls in)"
in_root apt-get install -y --no-install-recommends "$PKG" | tee "$WORK/install.log" |
    sed -n '/NEW packages will be installed/,/upgraded/p'
list_files "$WORK/installed.txt"
echo "files the package added:"
comm -13 "$WORK/before.txt" "$WORK/installed.txt" | grep -c .

echo "== start from the menu entry's Exec line, open the help"
EXEC=$(in_root sh -c 'sed -n "s/^Exec=//p" /usr/share/applications/*.desktop')
echo "Exec=$EXEC"
in_root sh -c "
    Xvfb :7 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & XVFB=\$!
    export DISPLAY=:7 XDG_CONFIG_HOME=/tmp/config XDG_RUNTIME_DIR=/tmp/runtime
    mkdir -p /tmp/runtime && chmod 700 /tmp/runtime
    sleep 1
    $EXEC >/tmp/program.log 2>&1 & P=\$!
    for i in \$(seq 100); do xdotool search --onlyvisible --name '^Christmas Zelmo\$' >/dev/null 2>&1 && break; sleep 0.2; done
    W=\$(xdotool search --onlyvisible --name '^Christmas Zelmo\$' | head -n1)
    [ -n \"\$W\" ] || { echo 'no main window'; cat /tmp/program.log; kill \$XVFB; exit 1; }
    echo 'main window shown'
    # Help > Contents: the first item of the Help menu while no game runs.
    xdotool windowfocus \$W; xdotool key alt+h; sleep 0.3; xdotool key Return
    for i in \$(seq 50); do
        H=\$(xdotool search --onlyvisible --name '^Christmas Zelmo Help\$' | head -n1)
        [ -n \"\$H\" ] && break; sleep 0.2
    done
    [ -n \"\$H\" ] && echo \"help window shown: \$(xdotool getwindowname \$H)\" || { echo 'the help did not open'; cat /tmp/program.log; kill \$P \$XVFB; exit 1; }
    kill \$P; wait \$P 2>/dev/null; kill \$XVFB
"

echo "== apt-get purge christmas-zelmo"
in_root apt-get purge -y -q christmas-zelmo >/dev/null
in_root apt-get autoremove --purge -y -q >/dev/null
rm -f "$ROOT$PKG"
list_files "$WORK/purged.txt"
echo "files left of it after purge (none expected):"
comm -13 "$WORK/before.txt" "$WORK/purged.txt" | tee "$WORK/left.txt"
[ -s "$WORK/left.txt" ] && exit 1
echo "PASS: installed, started, help opened, purged without a trace ($WORK)"
