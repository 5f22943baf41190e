#!/usr/bin/env bash
# Checks the Debian package that cpack made in the given build folder: the
# files a desktop needs are inside, and the dependencies name the Qt
# libraries the program links as well as what Qt loads at run time.
set -euo pipefail
build=${1:?usage: check-deb.sh BUILD_DIR}
shopt -s nullglob
debs=("$build"/vornik_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "check-deb: expected one vornik_*.deb in $build, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
contents=$(dpkg-deb -c "$deb")
depends=$(dpkg-deb -f "$deb" Depends)
# One package name a line, alternatives included, versions dropped.
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/[[:space:]]//g')
status=0
for file in ./usr/bin/vornik \
    ./usr/share/applications/org.vornik.Vornik.desktop \
    ./usr/share/icons/hicolor/scalable/apps/org.vornik.Vornik.svg \
    ./usr/share/metainfo/org.vornik.Vornik.metainfo.xml; do
    if ! grep -q " $file\$" <<<"$contents"; then
        echo "check-deb: $file is missing from $deb" >&2
        status=1
    fi
done
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 \
    qt6-qpa-plugins libqt6svg6 qt6-translations-l10n fonts-wqy-microhei; do
    if ! grep -qxF "$package" <<<"$names"; then
        echo "check-deb: Depends lacks $package: $depends" >&2
        status=1
    fi
done
if [ $status -eq 0 ]; then
    echo "check-deb: $(basename "$deb") holds the program, menu entry, icon and metainfo; Depends: $depends"
fi
exit $status
