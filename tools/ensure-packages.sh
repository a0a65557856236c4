# Installs the Debian packages the build, the tests and the game need, when missing.
# Sourced by run.sh and test.sh.

ZELMO_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-tools-dev qt6-image-formats-plugins libgl-dev
  qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-dejavu-extra
  fp-utils libchm1 libchm-dev libchm-bin
  xvfb xauth xdotool imagemagick x11-utils procps
  dpkg-dev file desktop-file-utils appstream lintian
)

zelmo_missing_packages() {
  local pkg
  for pkg in "${ZELMO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || echo "$pkg"
  done
}

zelmo_ensure_packages() {
  local missing
  missing=$(zelmo_missing_packages)
  [ -z "$missing" ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Missing packages ($missing) and no sudo to install them." >&2; return 1; }
    sudo=sudo
  fi
  echo "Installing missing packages:" $missing
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
}

# Configures a build folder: zelmo_configure FOLDER [CMAKE_OPTION...]
zelmo_configure() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@"
}

# The Release build the game runs from.
zelmo_build() {
  zelmo_configure build -DCMAKE_BUILD_TYPE=Release
  cmake --build build
}
