#!/bin/sh
# SPDX-License-Identifier: MIT
# Remakes the README's pictures (docs/screenshots/*.png) from the demo under a
# virtual display: the main window in Chinese and in English after measuring
# a colour, and the demo panel (also in Chinese). Run after a change to the interface; it builds
# the demo first. Set SCALE=1.5 to see the window at a larger desktop scale
# (the pictures then go to build/screenshots-1.5 instead).
set -e
cd "$(dirname "$0")/.."
[ -d build ] || cmake -S . -B build
cmake --build build -j2 --target colorcard-demo colorcard_translations colorcard_template_workbooks
out=docs/screenshots
dpi=""
if [ -n "$SCALE" ]; then
    out=build/screenshots-$SCALE
    dpi=$(awk "BEGIN { print int(96 * $SCALE) }")
fi
# The demo starts afresh in a temporary directory and leaves the remembered
# settings alone; the font comes from fonts-wqy-microhei (tools/deps.sh).
env ${dpi:+QT_FONT_DPI=$dpi} xvfb-run -a -s "-screen 0 1920x1200x24" \
    ./build/bin/colorcard-demo --screenshots "$out"
ls -l "$out"/*.png
