#!/bin/bash
# check_package.sh BUILD_DIR: the menu entry and the software-centre file of the installed
# tree pass their validators without a warning, the Debian package builds and lintian
# finds no error in it. Every validator's output goes to the test log.
set -u
BUILD=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in desktop-file-validate appstreamcli lintian cpack dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done

DESTDIR="$WORK/root" cmake --install "$BUILD" --prefix /usr >"$WORK/install.log" || {
    cat "$WORK/install.log"; fail "cmake --install failed"; }
SHARE="$WORK/root/usr/share"
[ -x "$WORK/root/usr/bin/christmas-zelmo" ] || fail "no executable in bin/"

echo "== desktop-file-validate"
desktop=$(ls "$SHARE"/applications/*.desktop) || fail "no .desktop file"
out=$(desktop-file-validate "$desktop" 2>&1); status=$?
echo "${out:-(no findings)}"
[ $status -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate found something"

echo "== appstreamcli validate --no-net --pedantic"
metainfo=$(ls "$SHARE"/metainfo/*.metainfo.xml) || fail "no metainfo file"
out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1); status=$?
echo "$out"
[ $status -eq 0 ] || fail "appstreamcli found an error"
echo "$out" | grep -qE '^(W|I|P):' && fail "appstreamcli has remarks"
grep -q "<release version=\"$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")\"" \
    "$metainfo" || fail "the release entry is not the project's version"

echo "== cpack -G DEB"
(cd "$BUILD" && cpack -G DEB -B "$WORK/package" >"$WORK/cpack.log" 2>&1) || {
    cat "$WORK/cpack.log"; fail "cpack failed"; }
deb=$(ls "$WORK"/package/christmas-zelmo_*_*.deb) || fail "no christmas-zelmo_<version>_<arch>.deb"
dpkg-deb -f "$deb" Depends | grep -q 'qt6-qpa-plugins' || fail "the X11 platform plugin is not a dependency"
dpkg-deb -f "$deb" Section | grep -qx games || fail "the section is not games"

echo "== lintian"
out=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges')
echo "${out:-(no findings)}"
echo "$out" | grep -q '^E:' && fail "lintian reports an error"
echo "PASS"
