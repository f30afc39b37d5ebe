#!/usr/bin/env bash
# Builds the Debian package build/tarvomund_<version>_<architecture>.deb (Release, programs stripped,
# dependencies from dpkg-shlibdeps) and checks its desktop entry and file types as a desktop reads them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/zainstaluj-pakiety.sh dpkg-dev file desktop-file-utils xdg-utils shared-mime-info libfile-mimeinfo-perl
bash scripts/zbuduj.sh
(cd build && cpack -G DEB)

wersja=$(sed -n 's/^project(Tarvomund VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
pakiet="build/tarvomund_${wersja}_$(dpkg --print-architecture).deb"
test -f "$pakiet"

proba=$(mktemp -d)
trap 'rm -rf "$proba"' EXIT
dpkg-deb -x "$pakiet" "$proba/korzen"
desktop-file-validate "$proba/korzen/usr/share/applications/tarvomund.desktop"
XDG_DATA_DIRS="$proba/korzen/usr/share:/usr/share" update-mime-database "$proba/korzen/usr/share/mime"
printf 'system' > "$proba/proba.ss2"
typ=$(XDG_DATA_DIRS="$proba/korzen/usr/share:/usr/share" XDG_DATA_HOME="$proba/dom" XDG_CURRENT_DESKTOP= \
    xdg-mime query filetype "$proba/proba.ss2")
if [ "$typ" != "application/x-tarvomund-system" ]; then
    echo "xdg-mime says $typ for a .ss2 file" >&2
    exit 1
fi

dpkg-deb --field "$pakiet" Package Version Architecture Depends
echo "Package: $pakiet"
