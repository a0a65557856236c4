#!/usr/bin/env bash
# Plants each fault of tools/faults/ in turn into a clean copy of the committed program,
# builds it, and runs the suite until the first test that fails; prints which test
# caught each fault, or SURVIVED, and the share caught. Run by hand, not in CI.
#   tools/plant-faults.sh              every fault
#   tools/plant-faults.sh shell- help  only the faults whose file names hold a word given
# The copy and its build live in a temporary folder, removed at the end; ccache, when
# installed, keeps the rebuilds short.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
faults="$root/tools/faults"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

patches=()
for patch in "$faults"/*.patch; do
    name=$(basename "$patch" .patch)
    wanted=$(( $# == 0 ))
    for word in "$@"; do [[ $name == *"$word"* ]] && wanted=1; done
    [ "$wanted" = 1 ] && patches+=("$patch")
done
[ ${#patches[@]} -gt 0 ] || { echo "no fault matches: $*" >&2; exit 2; }

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORMTHEME
command -v ccache >/dev/null && export CMAKE_CXX_COMPILER_LAUNCHER=ccache
jobs=${ZELMO_FAULT_JOBS:-2}

git clone -q "$root" "$work/src" || exit 1
cd "$work/src"
source tools/ensure-packages.sh
echo "building the clean copy..."
if ! { zelmo_configure "$work/build" -DCMAKE_BUILD_TYPE=Release &&
       cmake --build "$work/build" -j "$jobs"; } >"$work/clean.log" 2>&1; then
    cat "$work/clean.log"; echo "the clean copy does not build" >&2; exit 1
fi

# The first test that fails, or nothing: the quick tests first, the end-to-end ones after.
first_failure() {
    local log=$work/ctest.log tier
    for tier in "-E ^e2e\." "-R ^e2e\."; do
        # shellcheck disable=SC2086 # the tier is two words
        ctest --test-dir "$work/build" $tier --stop-on-failure --timeout 300 -j "$jobs" >"$log" 2>&1 && continue
        grep -m1 -E '\*\*\*(Failed|Timeout|Exception)|\(Failed\)|\(Subprocess' "$log" |
            sed -E 's/^ *[0-9]+\/ *[0-9]+ Test +#[0-9]+: ([^ ]+).*/\1/'
        return
    done
}

caught=0
started=$SECONDS
for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    if ! git apply "$patch"; then
        echo "$name: DOES NOT APPLY"
        continue
    fi
    if ! cmake --build "$work/build" -j "$jobs" >"$work/build.log" 2>&1; then
        verdict="caught by the build"
    else
        test=$(first_failure)
        verdict=${test:+caught by $test}
    fi
    git apply -R "$patch"
    if [ -n "${verdict-}" ]; then
        caught=$((caught + 1))
        echo "$name: $verdict"
    else
        echo "$name: SURVIVED"
    fi
    verdict=
done
total=${#patches[@]}
echo "caught $caught of $total ($((100 * caught / total)) %) in $(( (SECONDS - started) / 60 )) min"
