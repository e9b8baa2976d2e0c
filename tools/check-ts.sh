#!/bin/sh
# SPDX-License-Identifier: MIT
# Fails when a .ts file is not up to date with the sources: lupdate runs on a
# copy and the copy must not differ. Fix with
#   cmake --build build --target update_translations
set -e
lupdate=${1:-lupdate}
cd "$(dirname "$0")/.."
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp resources/translations/ColorCard_*.ts "$copy"/
./tools/update-ts.sh "$lupdate" "$copy"
diff -ru resources/translations "$copy" -x '*.qm' || {
    echo "A .ts file is not up to date: run cmake --build build --target update_translations" >&2
    exit 1
}
