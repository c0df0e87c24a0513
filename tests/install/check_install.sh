#!/usr/bin/env bash
# Installs into a temporary prefix and checks the tree and its desktop files.
set -euo pipefail
build_dir="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for path in lib/cellwright/cellwright lib/cellwright/cellwright-solve; do
    [ -x "$prefix/$path" ] || { echo "missing $path"; exit 1; }
done
for link in cellwright cellwright-solve; do
    [ -L "$prefix/bin/$link" ] || { echo "bin/$link is not a link"; exit 1; }
    [ "$(readlink -f "$prefix/bin/$link")" = "$(readlink -f "$prefix/lib/cellwright/$link")" ] \
        || { echo "bin/$link points elsewhere"; exit 1; }
done
app=org.example.Cellwright
for path in share/applications/$app.desktop share/mime/packages/$app.xml \
            share/metainfo/$app.metainfo.xml share/icons/hicolor/32x32/apps/$app.png \
            share/icons/hicolor/scalable/apps/$app.svg share/man/man1/cellwright.1 \
            share/man/man1/cellwright-solve.1 share/bash-completion/completions/cellwright-solve; do
    [ -f "$prefix/$path" ] || { echo "missing $path"; exit 1; }
done
grep -qx 'Exec=cellwright %f' "$prefix/share/applications/$app.desktop"
grep -q 'glob pattern="\*.sudoku"' "$prefix/share/mime/packages/$app.xml"
desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"
# The installed solver runs through its link.
"$prefix/bin/cellwright-solve" --version
echo "install tree complete"
