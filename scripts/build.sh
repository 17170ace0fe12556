#!/usr/bin/env bash
# Sets up a Debian 12 machine for Orvanta, builds it, then starts the program (--run) or runs
# every test headless (--test). Safe to run again: it installs only what is missing and rebuilds
# only what changed.
set -euo pipefail

mode=${1:---run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${ORVANTA_BUILD_DIR:-$root/build}

runtime_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libqt6sql6-sqlite libqt6svg6 qt6-svg-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-image-formats-plugins qt6-qpa-plugins
  libqpdf-dev zlib1g-dev libgl-dev fonts-wqy-microhei qt6-translations-l10n qt6-pdf-dev
)
# Independent tools the tests compare against, build fixtures with or check the package with.
test_packages=(qpdf poppler-utils zip python3 python3-olefile libreoffice-writer-nogui imagemagick libimage-exiftool-perl
  python3-openpyxl unzip libreoffice-calc-nogui ghostscript python3-reportlab mupdf-tools
  dpkg-dev file help2man lintian desktop-file-utils appstream)

install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  # Automatic updates hold the package manager's lock for the first minutes after installation.
  local wait=(-o DPkg::Lock::Timeout=900)
  if lslocks -n -o PATH 2>/dev/null | grep -q -e /var/lib/dpkg/lock -e /var/lib/apt/lists/lock; then
    echo "The package manager is busy (automatic updates?); waiting up to 15 minutes for it to finish..."
  fi
  $sudo apt-get "${wait[@]}" update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get "${wait[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

case "$mode" in
  --run) install_missing "${runtime_packages[@]}" ;;
  --test) install_missing "${runtime_packages[@]}" "${test_packages[@]}" ;;
  *) echo "usage: $0 [--run|--test]" >&2; exit 2 ;;
esac

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

if [ "$mode" = "--test" ]; then
  cd "$build"
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
  exit $?
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Orvanta is built ($build/orvanta), but there is no display to show its window on."
  echo "Start it from a desktop session, or run the tests headless with: bash scripts/build.sh --test"
  exit 0
fi
exec "$build/orvanta"
