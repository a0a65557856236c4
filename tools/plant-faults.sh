#!/usr/bin/env bash
# Plants each fault of tools/faults/ in turn into a clean copy of the committed program,
# builds it, and runs the suite until the first test that fails; prints which test
# caught each fault, or SURVIVED, and the share caught. Run by hand, not in CI.
#   tools/plant-faults.sh              every fault
#   tools/plant-faults.sh shell- help  only the faults whose file names hold a word given
# A fault's name starts with the test folder tried first (cards, games, shell, help,
# sim): its tests are built and run before the whole build and suite. The copy and its
# build live in a temporary folder, or in ZELMO_FAULT_WORK, which is kept and brought up
# to the committed program, so that a second run builds only what changed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
faults="$root/tools/faults"

patches=()
for patch in "$faults"/*.patch; do
    name=$(basename "$patch" .patch)
    wanted=$(( $# == 0 ))
    for word in "$@"; do [[ $name == *"$word"* ]] && wanted=1; done
    [ "$wanted" = 1 ] && patches+=("$patch")
done
[ ${#patches[@]} -gt 0 ] || { echo "no fault matches: $*" >&2; exit 2; }

work=${ZELMO_FAULT_WORK:-}
if [ -z "$work" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORMTHEME
command -v ccache >/dev/null && export CMAKE_CXX_COMPILER_LAUNCHER=ccache
jobs=${ZELMO_FAULT_JOBS:-2}
build=$work/build

if [ -d "$work/src/.git" ]; then
    git -C "$work/src" fetch -q "$root" HEAD && git -C "$work/src" reset -q --hard FETCH_HEAD || exit 1
else
    git clone -q "$root" "$work/src" || exit 1
fi
cd "$work/src" || exit 1
source tools/ensure-packages.sh
echo "building the clean copy..."
if ! { zelmo_configure "$build" -DCMAKE_BUILD_TYPE=Release && cmake --build "$build" -j "$jobs"; } \
        >"$work/clean.log" 2>&1; then
    cat "$work/clean.log"; echo "the clean copy does not build" >&2; exit 1
fi

# Runs ctest with the options given, stopping at the first failure; prints that test's
# name, or nothing when all passed.
failing_test() {
    ctest "$@" --stop-on-failure --timeout 300 -j "$jobs" >"$work/ctest.log" 2>&1 && return
    grep -m1 -E '\*\*\*(Failed|Timeout|Exception)|\(Failed\)|\(Subprocess' "$work/ctest.log" |
        sed -E 's/^ *[0-9]+\/ *[0-9]+ Test +#[0-9]+: ([^ ]+).*/\1/'
}

# The verdict on the planted program: the fault's own test folder first, then the quick
# tests, then the end-to-end ones.
verdict() {
    local folder=tests/${1%%-*} test
    if [ -d "$build/$folder" ]; then
        cmake --build "$build" -j "$jobs" --target "$folder/all" >"$work/build.log" 2>&1 ||
            { echo "the build"; return; }
        test=$(failing_test --test-dir "$build/$folder")
        [ -n "$test" ] && { echo "$test"; return; }
    fi
    touch "$work/built-whole"
    cmake --build "$build" -j "$jobs" >"$work/build.log" 2>&1 || { echo "the build"; return; }
    test=$(failing_test --test-dir "$build" -E '^e2e\.')
    [ -n "$test" ] || test=$(failing_test --test-dir "$build" -R '^e2e\.')
    echo "$test"
}

caught=0
started=$SECONDS
for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    if ! git apply "$patch"; then
        echo "$name: DOES NOT APPLY"
        continue
    fi
    by=$(verdict "$name")
    git apply -R "$patch"
    # What only the whole build makes (the program, the help file) must not stay planted.
    if [ -f "$work/built-whole" ]; then
        rm "$work/built-whole"
        cmake --build "$build" -j "$jobs" >"$work/build.log" 2>&1
    fi
    if [ -n "$by" ]; then
        caught=$((caught + 1))
        echo "$name: caught by $by"
    else
        echo "$name: SURVIVED"
    fi
done
total=${#patches[@]}
echo "caught $caught of $total ($((100 * caught / total)) %) in $(( (SECONDS - started) / 60 )) min"
