#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the launcher icon's PNG sizes from resources/desktop/colorcard.svg into
# resources/desktop/icons/hicolor/; run after changing the SVG and commit the
# PNGs. Needs rsvg-convert (librsvg2-bin, listed in tools/deps.sh).
set -e
cd "$(dirname "$0")/.."
svg=resources/desktop/colorcard.svg
for size in 16 24 32 48 64 128 256; do
    dir=resources/desktop/icons/hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$dir/colorcard.png"
done
echo "icons written under resources/desktop/icons/hicolor"
