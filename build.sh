#!/usr/bin/env bash
# Sets up, builds and starts Velmora, or builds and runs every test.
#   ./build.sh run     install what is needed, build, start Velmora
#   ./build.sh test    install what is needed, build, run every test
# Options through the environment: BUILD_DIR (default build), VELMORA_SANITIZE=1
# (AddressSanitizer and UndefinedBehaviorSanitizer build, default dir build-asan),
# VELMORA_WERROR=1 (compiler warnings are errors, as CI builds).
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}

# Debian 12 packages: the build, the fonts screens use (Wine's regular Tahoma,
# its bold drawn by thickening; Liberation; DejaVu), what the end-to-end
# tests drive (X server, window managers, sound server, print server, PDF tools), the tools
# content-src/make-content.sh regenerates the content with, so that the
# content check really runs, and the tools that build, check and validate
# the Debian package.
build_packages=(cmake g++ make pkgconf qt6-base-dev libpulse-dev libgl-dev libxcb1-dev
  fonts-liberation fonts-wine fonts-dejavu-core)
test_packages=(xvfb xdotool x11-utils imagemagick openbox xfwm4 dbus-daemon python3-xlib pulseaudio pulseaudio-utils sox
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  inkscape librsvg2-bin ffmpeg espeak-ng python3-pil
  git debhelper dpkg-dev lintian desktop-file-utils appstream
  dbus at-spi2-core python3-pyatspi) # the accessibility bus and a screen reader's view of it

install_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  local dir=$1; shift
  local werror=OFF
  [ "${VELMORA_WERROR:-0}" = 1 ] && werror=ON
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR="$werror" "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

case "$mode" in
  run)
    install_packages "${build_packages[@]}"
    dir=${BUILD_DIR:-build}
    configure_and_build "$dir"
    cd "$dir" && exec ./velmora
    ;;
  test)
    install_packages "${build_packages[@]}" "${test_packages[@]}"
    if [ "${VELMORA_SANITIZE:-0}" = 1 ]; then
      dir=${BUILD_DIR:-build-asan}
      configure_and_build "$dir" -DVELMORA_SANITIZE=ON
      # Reports that arise wholly inside system libraries are listed with their reasons.
      export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1"
      export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
      export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$PWD/tests/sanitizer/ubsan.supp"
    else
      dir=${BUILD_DIR:-build}
      configure_and_build "$dir"
    fi
    cd "$dir" && ctest --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
