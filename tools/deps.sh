#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs what building, running and testing need on Debian 12, only when missing
# (Qt 5 and Qt 6: -DCOLORCARD_QT_MAJOR=6 builds against the latter);
# dpkg-dev, desktop-file-utils and appstream make and check the Debian package,
# librsvg2-bin renders the launcher icon (tools/icons.sh); xdotool and imagemagick
# drive the demo under xvfb-run and take its screenshots; lintian checks the
# package and man-db its manual pages; sqlite3 is the reference of
# bench/bench_paths.py; poppler-utils reads the PDF reports back in the tests;
# postgresql is the shared store's server (the tests start a throwaway one) and
# the Qt drivers talk to it; QtKeychain keeps a server password in the desktop
# keyring when asked (the program builds without it and then never keeps one).
set -e
PACKAGES="
build-essential
cmake
pkg-config
qtbase5-dev
libqt5sql5-sqlite
qttools5-dev
qttools5-dev-tools
qttranslations5-l10n
qt6-base-dev
libqt6sql6-sqlite
qt6-tools-dev
qt6-tools-dev-tools
qt6-l10n-tools
qt6-translations-l10n
libhidapi-dev
libudev-dev
libfreexl-dev
libgsf-1-dev
liblcms2-dev
fonts-wqy-microhei
xvfb
xauth
python3
python3-xlrd
python3-xlwt
clang-format
argyll
dpkg-dev
desktop-file-utils
appstream
librsvg2-bin
libsqlite3-dev
clang
libclang-rt-14-dev
xdotool
imagemagick
lintian
man-db
sqlite3
poppler-utils
postgresql
libqt5sql5-psql
libqt6sql6-psql
qtkeychain-qt5-dev
qtkeychain-qt6-dev
"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
