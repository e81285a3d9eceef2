#!/usr/bin/env bash
# Builds the Debian package from a built tree (as `make package` does) and
# inspects it without installing it: name, version, computed dependencies, the
# files it installs, the program it carries, and the desktop entry, software
# centre entry and manual page checked by their validators.
set -euo pipefail
build=$(cd "$1" && pwd)
for tool in cpack dpkg-deb desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

version=$(sed -n 's/^#define VENDRIX_VERSION "\(.*\)"$/\1/p' "$build/generated/vendrix_version.h")
[ -n "$version" ] || fail "no version in vendrix_version.h"
(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/out/vendrix_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work/out"; fail "no $deb"; }

[ "$(dpkg-deb -f "$deb" Package)" = vendrix ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
    libqt6svg6 libxlsxwriter4 fonts-liberation; do
    [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
for file in /usr/bin/vendrix /usr/share/applications/vendrix.desktop \
    /usr/share/metainfo/org.example.vendrix.metainfo.xml /usr/share/man/man1/vendrix.1.gz \
    /usr/share/mime/packages/vendrix.xml /usr/share/icons/hicolor/scalable/apps/vendrix.svg; do
    grep -qx "$file" "$work/files" || fail "$file is not in the package"
done
# Nothing outside /usr, and no build-tree leftovers.
if grep -v '^/usr' "$work/files" | grep -vx '/'; then fail "files outside /usr"; fi

dpkg-deb -x "$deb" "$work/root"
root="$work/root"
[ "$("$root/usr/bin/vendrix" --version)" = "vendrix $version" ] || fail "vendrix --version"
(cd "$work" && QT_QPA_PLATFORM=offscreen "$root/usr/bin/vendrix" run --json | grep -q '"solution"') \
    || fail "vendrix run --json"
desktop-file-validate "$root/usr/share/applications/vendrix.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.vendrix.metainfo.xml" \
    || fail "metainfo"
man --warnings -E UTF-8 -l "$root/usr/share/man/man1/vendrix.1.gz" >/dev/null 2>"$work/man.log"
[ ! -s "$work/man.log" ] || { cat "$work/man.log"; fail "manual page warnings"; }
echo "vendrix_${version} package checked"
