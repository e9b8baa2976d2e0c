#!/bin/sh
# SPDX-License-Identifier: MIT
# Brings every resources/translations/ColorCard_<code>.ts up to date with the
# sources: new texts are added unfinished, texts gone from the sources are
# dropped. Usage: tools/update-ts.sh [lupdate] [translations folder]
# (the folder defaults to resources/translations; check-ts.sh passes a copy).
set -e
lupdate=${1:-lupdate}
cd "$(dirname "$0")/.."
folder=${2:-resources/translations}
list=$(mktemp)
trap 'rm -f "$list"' EXIT
# The program's sources: everything but tests, benchmarks, fuzzers, tools and
# builds; headers first, so lupdate knows every class before its members.
for pattern in '*.h' '*.cpp' '*.ui'; do
    find . \( -path './build*' -o -path './.git' -o -path './tests' -o -path './bench' \
        -o -path './fuzz' -o -path './tools' \) -prune -o -type f -name "$pattern" -print |
        LC_ALL=C sort
done >"$list"
for ts in "$folder"/ColorCard_*.ts; do
    code=$(basename "$ts" .ts)
    code=${code#ColorCard_}
    case $code in
        zh) language=zh_CN ;;
        *) language=$code ;;
    esac
    "$lupdate" -silent -I . -locations none -no-obsolete -no-ui-lines -source-language en \
        -target-language "$language" @"$list" -ts "$ts"
done
