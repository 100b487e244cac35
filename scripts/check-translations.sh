#!/usr/bin/env bash
# Fails when a translation file is out of date with the code (lupdate, run on
# copies, would change it) or holds a text not yet translated. Run by CTest
# as the test "translations"; scripts/update-translations.sh brings the files
# up to date, then the unfinished texts are translated.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here"/translations/quillfold_*.ts "$work"/
TS_DIR=$work "$here/scripts/update-translations.sh"
status=0
for ts in "$here"/translations/quillfold_*.ts; do
    name=$(basename "$ts")
    if ! diff -u "$ts" "$work/$name" >"$work/$name.diff"; then
        echo "$name is out of date with the code; run scripts/update-translations.sh:"
        head -40 "$work/$name.diff"
        status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$work/$name" || true)
    if [ "$unfinished" -ne 0 ]; then
        echo "$name has $unfinished unfinished translations:"
        grep -B3 'type="unfinished"' "$work/$name" | grep '<source>' | head -20
        status=1
    fi
done
[ $status -eq 0 ] && echo "Translations are up to date and finished."
exit $status
