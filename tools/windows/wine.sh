# Running the Windows program under Wine, for the end-to-end tests and the
# start-up benchmark (source it). Wine stays quiet, never asks to install Mono
# or Gecko, and writes no menu entries into the desktop it runs on.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# use_wine_prefix TEMPLATE COPY: exports WINEPREFIX=COPY, a prefix of its own
# made in a moment from TEMPLATE, a warm prefix that wineboot makes once (about
# 10 s) and makes again only when Wine's version changes. The copy shares the
# template's programs and libraries, which Wine never writes, by hard links;
# every other file (the registry, settings) is its own.
use_wine_prefix() {
  local template=$1 copy=$2 version
  version=$(wine --version)
  mkdir -p "$(dirname "$template")"
  (
    flock 9
    if [ "$(cat "$template/velmora-wine-version" 2>/dev/null)" != "$version" ]; then
      rm -rf "$template" && mkdir -p "$template/home"
      HOME="$template/home" WINEPREFIX="$template" wineboot -i >/dev/null 2>&1
      WINEPREFIX="$template" wineserver -w
      echo "$version" >"$template/velmora-wine-version"
    fi
  ) 9>"$template.lock"
  rm -rf "$copy"
  cp -al "$template" "$copy"
  (cd "$template" && find . -type f ! -iname '*.dll' ! -iname '*.exe' ! -iname '*.drv' ! -iname '*.sys' \
    -exec cp --parents --remove-destination -t "$copy" {} +)
  export WINEPREFIX=$copy
}

# stop_wine: ends every program of this prefix, and its wineserver.
stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null
  return 0
}

# windows_path PATH: PATH as the Windows program names it (Wine's Z: drive is /).
windows_path() { echo "Z:$(readlink -m "$1" | tr / '\\')"; }
