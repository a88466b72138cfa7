#!/usr/bin/env bash
# Sets up, builds and starts Velmora, or builds and runs every test.
#   ./build.sh run      install what is needed, build, start Velmora
#   ./build.sh test     install what is needed, build, run every test (with Qt
#                       for Windows, also the Windows program's, under Wine)
#   ./build.sh windows  install what is needed, build the Windows program, lay
#                       it out in build-windows/deploy and pack velmora.msi
#   ./build.sh qt-windows [PREFIX]
#                       build Qt for Windows once (about an hour), by default
#                       into ~/.local/share/velmora/qt6-mingw
# Options through the environment: BUILD_DIR (default build), VELMORA_SANITIZE=1
# (AddressSanitizer and UndefinedBehaviorSanitizer build, default dir build-asan),
# VELMORA_WERROR=1 (compiler warnings are errors, as CI builds),
# VELMORA_QT_WINDOWS (Qt for Windows to use), VELMORA_WINDOWS_BUILD_DIR
# (default build-windows).
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}

# Debian 12 packages: the build, the fonts screens use (Wine's regular Tahoma,
# its bold drawn by thickening; Liberation; DejaVu), the speech service that
# reads aloud, what the end-to-end
# tests drive (X server, window managers, sound server, print server, PDF tools), the tools
# content-src/make-content.sh regenerates the content with, so that the
# content check really runs, and the tools that build, check and validate
# the Debian package.
build_packages=(cmake g++ make pkgconf qt6-base-dev libpulse-dev libspeechd-dev libfontconfig-dev libgl-dev libxcb1-dev libxcb-xkb-dev
  fonts-liberation fonts-wine fonts-dejavu-core)
# Reading aloud: the desktop's speech service and its espeak-ng voices.
run_packages=(speech-dispatcher speech-dispatcher-espeak-ng)
test_packages=(xvfb xdotool x11-utils imagemagick openbox xfwm4 dbus-daemon python3-xlib pulseaudio pulseaudio-utils sox
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils strace
  inkscape librsvg2-bin ffmpeg espeak-ng python3-pil
  git debhelper dpkg-dev lintian desktop-file-utils appstream
  dbus at-spi2-core python3-pyatspi # the accessibility bus and a screen reader's view of it
  sshfs openssh-server) # two computers' mounts of one shared folder
# The Windows program: the cross compiler, the installer builder, and Wine to
# test both (Qt for Windows itself is built by `./build.sh qt-windows`).
windows_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix ninja-build qt6-base-dev-tools wixl msitools)
windows_test_packages=(wine wine64)

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

# Qt for Windows: the one named in VELMORA_QT_WINDOWS, else the shared copy
# beside this checkout, else the one `./build.sh qt-windows` made. Prints it.
qt_windows_default=${XDG_DATA_HOME:-$HOME/.local/share}/velmora/qt6-mingw
find_qt_windows() {
  local qt
  for qt in "${VELMORA_QT_WINDOWS:-}" ../shared/qt6-mingw "$qt_windows_default"; do
    [ -x "$qt/bin/qt-cmake" ] && { readlink -f "$qt"; return 0; }
  done
  return 1
}

# build_windows DIR QT: cross-builds the program, its tests and installer.
build_windows() {
  local werror=OFF
  [ "${VELMORA_WERROR:-0}" = 1 ] && werror=ON
  "$2/bin/qt-cmake" -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR="$werror" >/dev/null
  cmake --build "$1" -j"$(nproc)"
}

windows_dir=${VELMORA_WINDOWS_BUILD_DIR:-build-windows}
if [ -n "${VELMORA_QT_WINDOWS:-}" ] && [ ! -x "$VELMORA_QT_WINDOWS/bin/qt-cmake" ]; then
  echo "VELMORA_QT_WINDOWS=$VELMORA_QT_WINDOWS holds no Qt for Windows (no bin/qt-cmake)" >&2
  exit 1
fi

case "$mode" in
  run)
    install_packages "${build_packages[@]}" "${run_packages[@]}"
    dir=${BUILD_DIR:-build}
    configure_and_build "$dir"
    cd "$dir" && exec ./velmora
    ;;
  test)
    install_packages "${build_packages[@]}" "${run_packages[@]}" "${test_packages[@]}"
    if [ "${VELMORA_SANITIZE:-0}" = 1 ]; then
      dir=${BUILD_DIR:-build-asan}
      configure_and_build "$dir" -DVELMORA_SANITIZE=ON
      # Reports that arise wholly inside system libraries are listed with their reasons.
      # strstr is left unchecked: the checked one measures the whole rest of the
      # string on every call, which turns the speech library's parsing of the
      # speech service's voice list (about 2 MB) into minutes.
      export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1:intercept_strstr=0"
      export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
      export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$PWD/tests/sanitizer/ubsan.supp"
    elif qt=$(find_qt_windows); then
      install_packages "${windows_packages[@]}" "${windows_test_packages[@]}"
      build_windows "$windows_dir" "$qt"
      dir=${BUILD_DIR:-build}
      configure_and_build "$dir" -DVELMORA_WINDOWS_BUILD_DIR="$(readlink -m "$windows_dir")"
    else
      echo "Qt for Windows not found: the Windows tests are skipped (see ./build.sh qt-windows)"
      dir=${BUILD_DIR:-build}
      configure_and_build "$dir" -DVELMORA_WINDOWS_BUILD_DIR=
    fi
    cd "$dir" && ctest --output-on-failure -j"$(nproc)"
    ;;
  windows)
    install_packages "${build_packages[@]}" "${windows_packages[@]}"
    qt=$(find_qt_windows) || {
      echo "Qt for Windows not found: name it in VELMORA_QT_WINDOWS, or build it with $0 qt-windows" >&2
      exit 1
    }
    build_windows "$windows_dir" "$qt"
    echo "Velmora for Windows, laid out as installed: $windows_dir/deploy; installer: $windows_dir/velmora.msi"
    ;;
  qt-windows)
    exec bash tools/qt-mingw/build.sh "${2:-$qt_windows_default}"
    ;;
  *)
    echo "usage: $0 run|test|windows|qt-windows [PREFIX]" >&2
    exit 2
    ;;
esac
