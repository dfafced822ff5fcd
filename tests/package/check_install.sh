#!/usr/bin/env bash
# Installs into a scratch prefix, validates the desktop entry, the AppStream metadata and the
# plan-file MIME type, builds the Debian package and checks its contents and dependencies, and
# that the school's checker (belegix-check) links no Qt GUI or Widgets library and runs without a
# display. lintian must find neither errors nor warnings in the package.
set -euo pipefail
build=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
for f in usr/bin/belegix usr/bin/belegix-check \
         usr/share/applications/de.lindenhain.Belegix.desktop \
         usr/share/icons/hicolor/scalable/apps/de.lindenhain.Belegix.svg \
         usr/share/metainfo/de.lindenhain.Belegix.metainfo.xml \
         usr/share/mime/packages/de.lindenhain.Belegix.xml \
         usr/share/doc/belegix-lih/copyright usr/share/doc/belegix-lih/changelog.gz \
         usr/share/man/man1/belegix.1.gz usr/share/man/man1/belegix-check.1.gz; do
    [[ -e "$work/root/$f" ]] || { echo "not installed: /$f"; exit 1; }
done
desktop-file-validate "$work/root/usr/share/applications/de.lindenhain.Belegix.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/de.lindenhain.Belegix.metainfo.xml"
# Plan files: a MIME type for *.belegix that the desktop entry opens with the file's name.
mime=$work/root/usr/share/mime
update-mime-database "$mime"
grep -q "application/x-belegix-plan:\*\.belegix" "$mime/globs2" ||
    { echo "*.belegix is no application/x-belegix-plan"; exit 1; }
desktop=$work/root/usr/share/applications/de.lindenhain.Belegix.desktop
grep -q "^MimeType=.*application/x-belegix-plan;" "$desktop" ||
    { echo "the desktop entry does not declare the plan type"; exit 1; }
grep -q "^Exec=belegix %f$" "$desktop" || { echo "the desktop entry passes no file"; exit 1; }

check="$work/root/usr/bin/belegix-check"
if ldd "$check" | grep -E 'libQt6(Gui|Widgets)'; then
    echo "belegix-check links a Qt GUI library"
    exit 1
fi
help=$(env -i "$check" --help)  # no DISPLAY, no Qt platform
grep -q '^Aufruf: belegix-check' <<<"$help" || { echo "belegix-check --help failed"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null)
deb=$(ls "$work"/pkg/*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/belegix ./usr/bin/belegix-check \
         ./usr/share/applications/de.lindenhain.Belegix.desktop \
         ./usr/share/metainfo/de.lindenhain.Belegix.metainfo.xml \
         ./usr/share/mime/packages/de.lindenhain.Belegix.xml; do
    grep -q " $f\$" <<<"$contents" || { echo "missing in package: $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for d in libqt6widgets6 libqt6printsupport6 libc6 fonts-liberation2 qt6-translations-l10n; do
    grep -q "$d" <<<"$depends" || { echo "dependency not computed: $d"; exit 1; }
done
# Debian's own check of the package: every tag it reports is listed; errors and warnings fail.
lintian_out=$(lintian --fail-on none --display-info --tag-display-limit 0 "$deb" 2>&1)
[[ -z "$lintian_out" ]] || echo "$lintian_out"
if grep -E '^[EW]: ' <<<"$lintian_out"; then
    echo "lintian found errors or warnings"
    exit 1
fi

# The coordinators' ZIP for Windows (tools/check/windows), when the cross build is on.
zip="$build/belegix-check-windows.zip"
if grep -q '^BELEGIX_WINDOWS_CHECK:BOOL=ON' "$build/CMakeCache.txt"; then
    listing=$(cd "$work" && cmake -E tar tf "$zip")
    for f in belegix-check.exe LIESMICH.txt; do
        grep -qx "$f" <<<"$listing" || { echo "missing in $zip: $f"; exit 1; }
    done
    (cd "$work" && cmake -E tar xf "$zip" belegix-check.exe)
    file "$work/belegix-check.exe" | grep -q 'PE32+ executable (console) x86-64' ||
        { echo "belegix-check.exe is no 64-bit Windows console program"; exit 1; }
fi
echo "package ok: $(basename "$deb")"
