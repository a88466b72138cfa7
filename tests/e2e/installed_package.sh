#!/usr/bin/env bash
# Velmora as a school installs it: builds the Debian package from this source
# tree, checks it with lintian, installs it with apt-get, validates the
# installed desktop entry and AppStream metadata, starts `velmora` from the
# PATH under an X server with a fresh HOME, saves a worksheet through the
# wizard with real keystrokes, finds it byte for byte in the user's data
# folder and listed in the catalogue, then purges the package and whatever
# it brought in, pass or fail.
if [ "$(id -u)" -ne 0 ]; then echo "SKIP: installing a package needs root"; exit 77; fi
source "$(dirname "$0")/lib.sh"
needs git dpkg-buildpackage dh lintian desktop-file-validate appstreamcli apt-get
if dpkg-query -W -f='${Status}' velmora 2>/dev/null | grep -q 'ok installed'; then
  echo "SKIP: a velmora package is already installed here and would be replaced"; exit 77
fi
SOURCE_DIR=${VELMORA_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
APP_ID=org.velmora.Velmora
started=$(date +%s)
export TMPDIR="$E2E_TMP/tmp"   # lintian and the compiler leave files in it
mkdir "$TMPDIR"

# Purges exactly what the install added (apt-get's own plan, read before
# installing), so that other packages on the machine are left alone.
ADDED="$E2E_TMP/added.txt"
: > "$ADDED"
remove_package() {
  local still
  still=$(xargs -r -a "$ADDED" dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' 2>/dev/null | awk '$1 ~ /^.i/ {print $2}') || true
  # shellcheck disable=SC2086  # one package name per word
  [ -z "$still" ] || DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 purge -y -qq $still >/dev/null
}
trap 'remove_package; e2e_cleanup' EXIT

# The package, from a copy of the tree so that nothing is written beside it.
mkdir "$E2E_TMP/src"
(cd "$SOURCE_DIR" && git ls-files -z -co --exclude-standard | tar --null --ignore-failed-read -T - -cf -) | tar -C "$E2E_TMP/src" -xf -
(cd "$E2E_TMP/src" && DEB_BUILD_OPTIONS="parallel=2 nocheck" dpkg-buildpackage -us -uc -b) > "$E2E_TMP/build.log" 2>&1 \
  || { tail -n 40 "$E2E_TMP/build.log" >&2; fail "the package did not build"; }
deb=$(ls "$E2E_TMP"/velmora_*.deb)
built=$(date +%s)
lintian_report=$(lintian --fail-on error --pedantic -I "$deb" 2>&1) || { echo "$lintian_report"; fail "lintian reports errors"; }
echo "lintian: ${lintian_report:-nothing to report}"

(cd "$E2E_TMP" && apt-get -s install "./$(basename "$deb")") | awk '/^Inst / {print $2}' > "$ADDED"
(cd "$E2E_TMP" && DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
  --no-install-recommends "./$(basename "$deb")" > "$E2E_TMP/install.log" 2>&1) \
  || { cat "$E2E_TMP/install.log" >&2; fail "apt-get could not install the package"; }
[ "$(command -v velmora)" = /usr/bin/velmora ] || fail "velmora is not on the PATH"
desktop-file-validate "/usr/share/applications/$APP_ID.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "/usr/share/metainfo/$APP_ID.metainfo.xml" || fail "the AppStream metadata is not valid"
[ -z "$(find /usr/share/velmora -perm /022)" ] || fail "installed content is writable by others"

# A teacher's first run: a fresh HOME, started from the PATH, elsewhere than the content.
export HOME="$E2E_TMP/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CONFIG_DIRS VELMORA_CONTENT
mkdir -p "$HOME"
start_xvfb
(cd "$HOME" && exec velmora) > "$E2E_TMP/velmora.log" 2>&1 &
VELMORA_PID=$!
E2E_PIDS+=("$VELMORA_PID")
enter_main_menu
save_worksheet "Installed Heroes" "$HOME/.local/share/velmora/multiple"
kill "$VELMORA_PID"
remove_package
if [ -e /usr/bin/velmora ] || [ -e /etc/xdg/velmora ]; then fail "purging left the program or its settings behind"; fi
echo "PASS: built in $((built - started)) s, lintian clean, installed, worksheet in the data folder, purged; $(($(date +%s) - started)) s"
