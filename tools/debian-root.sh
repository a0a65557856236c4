# A minimal Debian 12 made with debootstrap, for checks that must start from nothing.
# Sourced; needs root and the Debian mirror.
#   zelmo_debian_root ROOT   makes ROOT unless it is there, and mounts its /proc
#   in_root COMMAND...       runs a command inside it with a clean environment

MIRROR=${MIRROR:-http://deb.debian.org/debian}

zelmo_debian_root() {
  ROOT=$1
  [ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap and chroot need it)" >&2; return 1; }
  command -v debootstrap >/dev/null || apt-get install -y debootstrap
  if [ ! -x "$ROOT/usr/bin/apt-get" ]; then
    echo "== debootstrap --variant=minbase bookworm $ROOT"
    mkdir -p "$ROOT"
    debootstrap --variant=minbase bookworm "$ROOT" "$MIRROR" >"$ROOT.debootstrap.log"
  fi
  mount -t proc proc "$ROOT/proc"
  trap 'umount "$ROOT/proc" 2>/dev/null || true' EXIT
}

in_root() {
  chroot "$ROOT" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"
}
