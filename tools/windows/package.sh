#!/usr/bin/env bash
# Lays out the Windows build's program as it is installed (`cmake --install`
# into BUILD/deploy) and packs it into BUILD/velmora.msi with wixl (Debian's
# msitools): packaging/windows/velmora.wxs and a list of every laid-out file.
# The installer is made again only when something it is made from changed.
#   usage: package.sh BUILD VERSION
set -euo pipefail
build=$(readlink -f "${1:?usage: package.sh BUILD VERSION}")
version=${2:?usage: package.sh BUILD VERSION}
deploy=$build/deploy
out=$build/velmora.msi
packaging=$(readlink -f "$(dirname "$0")/../../packaging/windows")
cmake --install "$build" --prefix "$deploy" --strip >/dev/null
[ -f "$out" ] && [ -z "$(find "$deploy" "$packaging" "$0" -newer "$out" -print -quit)" ] && exit 0
# wixl takes the files it packs by paths relative to where it runs.
work=$(mktemp -d "$build/msi.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$packaging/velmora.wxs" "$packaging/velmora.ico" "$work/"
cd "$work"
# Components are named after the files' paths, so each keeps its identity
# from one build to the next and an upgrade replaces it in place.
(cd "$deploy" && find . -type f | sort) |
  wixl-heat -p ./ --component-group ProgramFiles --var var.Deploy --directory-ref INSTALLDIR --win64 >files.wxs
wixl -a x64 -D Version="$version" -D Deploy=../deploy -D Win64=yes -D IconFile=velmora.ico -o velmora.msi velmora.wxs files.wxs
# The worksheet folder named on msiexec's command line reaches the install
# itself (which runs with the machine's rights) only as a secure property.
secure=$(msiinfo export velmora.msi Property | awk -F'\t' '$1 == "SecureCustomProperties" {print $2}')
msibuild velmora.msi -q "UPDATE Property SET Value = '${secure:+$secure;}WORKSHEETFOLDER' WHERE Property = 'SecureCustomProperties'"
mv velmora.msi "$out"
echo "Windows installer: $out"
