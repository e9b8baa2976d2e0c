#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks an already built build directory (default: build) as a distribution
# would ship it: makes the Debian package, runs its program from the unpacked
# files (offscreen, to its first window, data files found), installs into a
# staging tree under /usr and checks the layout, the launcher, the AppStream
# metadata and the manual pages, and runs the program from there too; then
# lintian checks the package.
set -e
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program runs as a user with an empty home: its database and settings
# must go there, not beside the executable.
mkdir -p "$work/home"
run_checked() {
    env HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
        QT_QPA_PLATFORM=offscreen "$1" --check-data
}

echo "+ cpack -G DEB"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/colorcard_*.deb)
echo "package $deb"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -x "$deb" "$work/deb"
run_checked "$work/deb/usr/bin/colorcard"

echo "+ DESTDIR=$work/tree cmake --install $build --prefix /usr"
DESTDIR="$work/tree" cmake --install "$build" --prefix /usr >/dev/null
for file in bin/colorcard bin/colorcard-cli \
    share/colorcard/ColorCard_1.xls share/colorcard/ColorCard_2.xls \
    share/colorcard/ColorCard_en.qm share/colorcard/ColorCard_zh.qm share/colorcard/meterno \
    lib/udev/rules.d/70-colorcard-meter.rules \
    share/applications/local.colorcard.ColorCard.desktop \
    share/metainfo/local.colorcard.ColorCard.metainfo.xml \
    share/icons/hicolor/scalable/apps/colorcard.svg \
    share/icons/hicolor/16x16/apps/colorcard.png share/icons/hicolor/48x48/apps/colorcard.png \
    share/icons/hicolor/256x256/apps/colorcard.png \
    share/doc/colorcard/copyright share/doc/colorcard/changelog.gz \
    share/man/man1/colorcard.1.gz share/man/man1/colorcard-cli.1.gz \
    share/bash-completion/completions/colorcard-cli \
    share/lintian/overrides/colorcard; do
    [ -f "$work/tree/usr/$file" ] || { echo "missing /usr/$file"; exit 1; }
done
# The workbook container module, loaded on the first workbook.
find "$work/tree/usr/lib" -path '*/colorcard/colorcard-gsf.so' | grep -q . ||
    { echo "missing the module colorcard-gsf.so"; exit 1; }
# Only the window program and the command line in bin/ (not the demo).
[ "$(ls "$work/tree/usr/bin" | tr '\n' ' ')" = "colorcard colorcard-cli " ] ||
    { echo "other files than the programs in /usr/bin"; exit 1; }
# The package holds exactly the installed files.
(cd "$work/tree" && find . -type f | sort) >"$work/tree.list"
(cd "$work/deb" && find . -type f | sort) >"$work/deb.list"
diff "$work/tree.list" "$work/deb.list"
desktop-file-validate "$work/tree/usr/share/applications/local.colorcard.ColorCard.desktop"
appstreamcli validate --no-net "$work/tree/usr/share/metainfo/local.colorcard.ColorCard.metainfo.xml"
# A manual page that man cannot render without a warning fails.
for page in colorcard colorcard-cli; do
    echo "+ man --warnings -l $page.1.gz"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l \
        "$work/tree/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$warnings"; exit 1; }
done
run_checked "$work/tree/usr/bin/colorcard"
env HOME="$work/home" "$work/tree/usr/bin/colorcard-cli" delta-e --formula 00 50 0 0 50 1 0 >/dev/null
# A workbook written and read back by the installed command line: it finds
# the container module where the package put it.
printf 'Library,Description,Name,LabL,Laba,Labb\r\nA,,c1,50,1,2\r\n' >"$work/in.csv"
env HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" "$work/tree/usr/bin/colorcard-cli" \
    --database "$work/check.db" import "$work/in.csv" >/dev/null
env HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" "$work/tree/usr/bin/colorcard-cli" \
    --database "$work/check.db" export --format xls "$work/out.xls" >/dev/null
env HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" "$work/tree/usr/bin/colorcard-cli" \
    --database "$work/back.db" import "$work/out.xls" >/dev/null
[ ! -e "$work/tree/usr/bin/database.db" ] || { echo "database written beside the program"; exit 1; }
# Debian's own checks: any error or warning fails, except the overrides the
# package carries, each under a comment line giving its reason.
overrides=packaging/lintian-overrides
awk '/^#/ { reason = 1; next } NF && !reason { print FILENAME ":" NR ": no reason given"; bad = 1 }
     { reason = 0 } END { exit bad }' "$overrides"
echo "+ lintian $deb"
lintian --fail-on error,warning "$deb"
echo "package and install tree checked"
