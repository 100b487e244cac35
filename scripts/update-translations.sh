#!/usr/bin/env bash
# Reads every translatable text out of the code into the translation files:
# quillfold_ja.ts (every text, for its Japanese) and quillfold_en.ts (only the
# texts with plural forms: the code is written in English). Texts no longer
# in the code are dropped; new ones come in unfinished, to be translated (Qt
# Linguist, or by hand). The files are translations/ unless TS_DIR names
# another folder holding copies of them (the translation check's way).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
ts_dir=${TS_DIR:-translations}
folders=(core imaging model widgets dialogs trimming split book catalogue program batch)
options=(-silent -locations none -no-obsolete -extensions cpp,h -I .)
"$lupdate" "${options[@]}" "${folders[@]}" -ts "$ts_dir/quillfold_ja.ts"
"$lupdate" "${options[@]}" -pluralonly "${folders[@]}" -ts "$ts_dir/quillfold_en.ts"
