#!/usr/bin/env bash
# Builds the Debian package with scripts/package and checks what it holds:
# the program in /usr/bin, the picture (and the manual once the build makes
# it) in /usr/share/talve, the menu entry and the icon, and control fields
# that declare the libraries the program needs.
#   deb_test.sh <build folder>
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "ÉCHEC : $*" >&2; exit 1; }

deb=$(TALVE_BUILD_DIR="$build" "$root/scripts/package" "$out")
version=$(sed -n 's/^project(talve VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ "$(basename "$deb")" = "talve_${version}_amd64.deb" ] || fail "nom du paquet : $(basename "$deb")"

files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for f in /usr/bin/talve /usr/share/talve/talve_logo.jpg /usr/share/applications/talve.desktop \
         /usr/share/icons/hicolor/scalable/apps/talve.svg; do
  grep -qx "$f" <<<"$files" || fail "$f absent du paquet"
done
if [ -f "$build/src/app/Korrin_manuel.pdf" ]; then
  grep -qx /usr/share/talve/Korrin_manuel.pdf <<<"$files" || fail "manuel absent du paquet"
fi
# Nothing outside /usr, nothing of the build or the tests.
bad=$(grep -v -e '^/usr/$' -e '^/usr/bin/' -e '^/usr/share/talve/' -e '^/usr/share/applications/' \
      -e '^/usr/share/icons/' -e '^/$' -e '^/usr/share/$' -e '^/usr/share/doc/' <<<"$files" || true)
[ -z "$bad" ] || fail "fichiers inattendus : $bad"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = talve ] || fail "Package"
[ "$(field Version)" = "$version" ] || fail "Version $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture"
[ "$(field Section)" = science ] || fail "Section"
depends=$(field Depends)
for lib in libqt6widgets6 libqt6multimedia6 libjpeg62-turbo libqcustomplot2.1-qt6 libxcb1 qt6-qpa-plugins libc6; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends sans $lib : $depends"
done

# The installed program is stripped and runs.
dpkg-deb -x "$deb" "$out/racine"
file "$out/racine/usr/bin/talve" | grep -q 'stripped' || fail "programme"
file "$out/racine/usr/bin/talve" | grep -q 'not stripped' && fail "programme non dépouillé"
"$out/racine/usr/bin/talve" --version | grep -q "$version" || fail "--version"
desktop="$out/racine/usr/share/applications/talve.desktop"
grep -qx 'Exec=talve %f' "$desktop" && grep -qx 'Categories=Science;DataVisualization;Qt;' "$desktop" &&
  grep -q '^Comment\[fr\]=' "$desktop" || fail "entrée de menu"
echo "paquet correct : $(basename "$deb"), $(du -k "$deb" | cut -f1) Ko"
