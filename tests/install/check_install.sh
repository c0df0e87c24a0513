#!/usr/bin/env bash
# Installs into a temporary prefix with a space in its name and checks the
# tree, the manifest, the desktop entry and the caches; then installs as a
# package build would (DESTDIR), which leaves the caches to the package.
set -euo pipefail
build_dir="$1"
top="$(mktemp -d)"
trap 'rm -rf "$top"' EXIT
prefix="$top/pre fix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

app=org.example.Cellwright
expected=(lib/cellwright/cellwright lib/cellwright/cellwright-solve lib/cellwright/cellwright-generate
          bin/cellwright bin/cellwright-solve bin/cellwright-generate
          share/applications/$app.desktop share/mime/packages/$app.xml
          share/metainfo/$app.metainfo.xml share/icons/hicolor/scalable/apps/$app.svg
          share/man/man1/cellwright.1 share/man/man1/cellwright-solve.1
          share/man/man1/cellwright-generate.1 share/bash-completion/completions/cellwright-solve
          share/bash-completion/completions/cellwright-generate)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$app.png")
    [ "$(od -An -tu4 --endian=big -j16 -N4 "$prefix/${expected[-1]}")" -eq "$size" ] # width
done
for path in "${expected[@]}"; do
    grep -qxF "$prefix/$path" "$build_dir/install_manifest.txt" || { echo "manifest lacks $path"; exit 1; }
done
for link in cellwright cellwright-solve cellwright-generate; do
    [ -L "$prefix/bin/$link" ] || { echo "bin/$link is not a link"; exit 1; }
    [ "$(readlink -f "$prefix/bin/$link")" = "$(readlink -f "$prefix/lib/cellwright/$link")" ] \
        || { echo "bin/$link points elsewhere"; exit 1; }
done
entry="$prefix/share/applications/$app.desktop"
grep -qxF "Exec=\"$prefix/lib/cellwright/cellwright\" %f" "$entry" || { grep Exec "$entry"; exit 1; }
for cache in share/mime/mime.cache share/applications/mimeinfo.cache share/icons/hicolor/icon-theme.cache; do
    [ -f "$prefix/$cache" ] || { echo "no $cache"; exit 1; }
done
desktop-file-validate "$entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"
"$prefix/bin/cellwright-solve" --version
"$prefix/bin/cellwright-generate" --version
# Software centres show the newest release's notes: they must be this version's.
version="$("$prefix/bin/cellwright-solve" --version | awk '{ print $NF }')"
newest="$(grep -m 1 -o '<release version="[^"]*"' "$prefix/share/metainfo/$app.metainfo.xml")"
[ "$newest" = "<release version=\"$version\"" ] || { echo "metainfo's newest release: $newest, not $version"; exit 1; }

DESTDIR="$top/stage" cmake --install "$build_dir" --prefix /usr >/dev/null
grep -qxF 'Exec="/usr/lib/cellwright/cellwright" %f' "$top/stage/usr/share/applications/$app.desktop"
[ ! -e "$top/stage/usr/share/mime/mime.cache" ] || { echo "a package build got caches"; exit 1; }
echo "install tree complete"
