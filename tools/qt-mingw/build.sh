#!/usr/bin/env bash
# Builds Qt 6 (qtbase: Core, Gui, Widgets, PrintSupport, Test) for 64-bit Windows with
# Debian 12's mingw-w64 cross compiler, from Debian's own qt6-base source package, so that
# it matches the host tools of qt6-base-dev-tools (6.4.2). Installs into PREFIX, a tree
# that can be moved; projects configure with PREFIX/bin/qt-cmake.
# About 1200 build steps: roughly an hour on a 2-core machine. `./build.sh qt-windows`
# runs it; the Windows build then finds the result by itself.
#   usage: build.sh PREFIX [WORKDIR]
set -euo pipefail
prefix=$(readlink -m "${1:?usage: build.sh PREFIX [WORKDIR]}")
work=$(readlink -m "${2:-/tmp/qt-mingw-work}")
here=$(dirname "$(readlink -f "$0")")
export DEBIAN_FRONTEND=noninteractive
sudo=(); [ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends g++-mingw-w64-x86-64-posix \
  gcc-mingw-w64-x86-64-posix mingw-w64-tools ninja-build cmake qt6-base-dev qt6-base-dev-tools xz-utils >/dev/null
mkdir -p "$work/apt/lists/partial" "$work/src"
# A private deb-src list made from the machine's own Debian sources, which stay as they are.
{ for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed -n 's/^Types: deb$/Types: deb-src/; /^Types:\|^URIs:\|^Suites:\|^Components:\|^Signed-By:\|^$/p' "$f"; echo
  done; } > "$work/apt/src.sources"
[ -f /etc/apt/sources.list ] && grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "$work/apt/src.list" || true
apt_src=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt" -o "Dir::State::Lists=$work/apt/lists")
apt-get "${apt_src[@]}" update -qq
(cd "$work/src" && apt-get "${apt_src[@]}" source --download-only qt6-base=6.4.2+dfsg-10 >/dev/null)
rm -rf "$work/qtbase" && mkdir -p "$work/qtbase"
tar xJf "$work/src"/qt6-base_6.4.2+dfsg.orig.tar.xz -C "$work/qtbase" --strip-components=1
# Debian's source leaves out the tablet API header that Qt's Windows plugin includes; take
# Wine's (Debian's libwine-dev) and give it the two macros it expects from Wine's headers.
(cd "$work/src" && apt-get download libwine-dev >/dev/null && dpkg-deb -x libwine-dev_*.deb wine-dev)
wt="$work/qtbase/src/3rdparty/wintab"; mkdir -p "$wt"
cp "$work/src/wine-dev/usr/include/wine/wine/windows/pktdef.h" "$wt/wine_pktdef.h"
sed 's/#include "pktdef.h"/#include "wine_pktdef.h"/; s/#include <pktdef.h>/#include "wine_pktdef.h"/' \
  "$work/src/wine-dev/usr/include/wine/wine/windows/wintab.h" > "$wt/wine_wintab.h"
cp "$here/wintab.h" "$wt/wintab.h"
echo '#include "wine_pktdef.h"' > "$wt/pktdef.h"
# Qt 6.4 assumes OpenGL wherever it builds dynamic GL loading; this Qt has no OpenGL.
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
  "$work/qtbase/src/plugins/platforms/windows/qwindowswindow.cpp"
cmake -G Ninja -S "$work/qtbase" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_WITH_PCH=OFF \
  -DFEATURE_opengl=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_freetype=ON -DFEATURE_fontconfig=OFF >"$work/configure.log"
cmake --build "$work/build" --parallel "$(nproc)"
cmake --install "$work/build" >/dev/null
# Let the installed toolchain file find the cross toolchain beside itself, so the tree can move.
cp "$here/mingw-w64.cmake" "$prefix/lib/cmake/Qt6/mingw-w64.cmake"
sed -i 's|^set(__qt_initially_configured_toolchain_file ".*")|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")|' \
  "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
for f in "$prefix"/bin/*.dll "$prefix"/plugins/*/*.dll; do x86_64-w64-mingw32-strip --strip-unneeded "$f"; done
echo "Qt for Windows (mingw-w64) installed in $prefix"
