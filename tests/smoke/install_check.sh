#!/usr/bin/env bash
# Installs the build into a temporary prefix (through DESTDIR) and checks the layout and the
# desktop entry and metainfo with the desktop's own validators.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
prefix=/opt/pagelark-test
DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" >/dev/null
root="$stage$prefix"
for file in bin/pagelark libexec/pagelark/pagelark-check \
    share/pagelark/readme.txt share/pagelark/userdef.dat \
    share/pagelark/html5-template.html \
    share/applications/org.pagelark.Pagelark.desktop \
    share/metainfo/org.pagelark.Pagelark.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.pagelark.Pagelark.svg \
    share/icons/hicolor/48x48/apps/org.pagelark.Pagelark.png; do
  [ -e "$root/$file" ] || { echo "missing after install: $file"; exit 1; }
done
[ -x "$root/bin/pagelark" ] || { echo "pagelark is not executable"; exit 1; }
# The page checker answers from where the program looks for it.
answer=$(printf '<p>' | "$root/libexec/pagelark/pagelark-check")
[ "$(head -n1 <<<"$answer")" = "pagelark-check 1" ] && [ "$(tail -n1 <<<"$answer")" = end ] ||
  { echo "the installed page checker does not answer"; exit 1; }
# The live preview's module, where the program looks for it: <libdir>/pagelark.
if [ -e "$build/src/pagelark-preview.so" ]; then
  libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
  [ -f "$root/$libdir/pagelark/pagelark-preview.so" ] ||
    { echo "missing after install: $libdir/pagelark/pagelark-preview.so"; exit 1; }
fi
grep -q '^Exec=pagelark %f$' "$root/share/applications/org.pagelark.Pagelark.desktop"
desktop-file-validate "$root/share/applications/org.pagelark.Pagelark.desktop"
appstreamcli validate --no-net "$root/share/metainfo/org.pagelark.Pagelark.metainfo.xml" >/dev/null
echo "install layout: 1 passed, 0 failed"
