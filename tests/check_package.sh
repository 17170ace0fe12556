#!/bin/bash
# Builds the Debian package and checks it as a shop's machine meets it: lintian finds no error (its
# warnings are printed for the record), the desktop entry and the AppStream metainfo validate, every
# file unpacks where it belongs, and the control fields name what the programs need.
# Usage: check_package.sh BUILD_DIR
set -uo pipefail
build=$1
for tool in lintian desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps help2man file; do
    command -v "$tool" >/dev/null || { echo "missing $tool (bash scripts/build.sh --test installs it)" >&2; exit 1; }
done
version=$(sed -n 's/^#define ORVANTA_VERSION "\(.*\)"$/\1/p' "$build/generated/orvanta_version.h")
deb="$build/orvanta_${version}_amd64.deb"
rm -f "$deb"
cmake --build "$build" --target package >"$build/package.log" 2>&1 || { cat "$build/package.log"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() { # DESCRIPTION COMMAND...
    if "${@:2}"; then echo "PASS: $1"; else echo "FAIL: $1"; failed=1; fi
}
has() { grep -q -- "$2" <<<"$1"; }

lintian_options=(--fail-on error --tag-display-limit 0)
[ "$(id -u)" -eq 0 ] && lintian_options+=(--allow-root) # CI runs as root
check "lintian reports no error" lintian "${lintian_options[@]}" "$deb"

root="$work/root"
dpkg-deb -x "$deb" "$root" || exit 1
desktop="$root/usr/share/applications/org.orvanta.Orvanta.desktop"
metainfo="$root/usr/share/metainfo/org.orvanta.Orvanta.metainfo.xml"
expected=(usr/bin/orvanta usr/bin/orvanta-cli "${desktop#"$root/"}" "${metainfo#"$root/"}"
    usr/share/icons/hicolor/scalable/apps/orvanta.svg usr/share/man/man1/orvanta.1.gz
    usr/share/man/man1/orvanta-cli.1.gz usr/share/doc/orvanta/copyright usr/share/doc/orvanta/changelog.gz)
for size in 16 24 32 48 64 128 256; do
    icon="usr/share/icons/hicolor/${size}x${size}/apps/orvanta.png"
    expected+=("$icon")
    check "the $size px icon is $size px" has "$(file "$root/$icon")" "$size x $size"
done
check "the package holds exactly the expected files" \
    diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f | sed 's|^\./||' | sort)

check "the desktop entry validates" desktop-file-validate "$desktop"
check "the metainfo validates" appstreamcli validate --no-net "$metainfo"
check "the desktop entry passes files" has "$(cat "$desktop")" "^Exec=orvanta %F$"
check "the desktop entry opens PDF, DOCX, DOC, WPS and pictures" has "$(cat "$desktop")" \
    "^MimeType=application/pdf;application/vnd.openxmlformats-officedocument.wordprocessingml.document;application/msword;application/vnd.ms-works;.*image/jpeg;image/png;image/bmp;image/gif;image/webp;image/tiff;$"
check "both programs say version $version" [ "$("$root/usr/bin/orvanta" --version) $("$root/usr/bin/orvanta-cli" --version)" = "orvanta $version orvanta-cli $version" ]
check "the manual page of orvanta-cli has its options" has "$(zcat "$root/usr/share/man/man1/orvanta-cli.1.gz")" "binding"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6pdf6 libqpdf libc6 libqt6sql6-sqlite qt6-image-formats-plugins fonts-wqy-microhei; do
    check "Depends names $package" has "$depends" "$package"
done
check "LibreOffice is recommended" has "$(dpkg-deb -f "$deb" Recommends)" "libreoffice-writer-nogui"
exit $failed
