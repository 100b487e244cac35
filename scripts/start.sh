#!/usr/bin/env bash
# Installs what is missing, builds Quillfold and its demo book and starts it
# on the demo book, build/demo-book/, already loaded, in the demo's run
# folder, build/demo-run/: its Quillfold.ini (made there when missing, never
# replaced) opens the open-folder dialog on the demo book too, and lets the
# split batch write into build/demo-run/pages/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset default >/dev/null
cmake --build "$here/build" --target quillfold quillfold-demo-settings demo_book
run="$here/build/demo-run"
mkdir -p "$run/pages"
"$here/build/bookgen/quillfold-demo-settings" "$run/Quillfold.ini" "$here/build/demo-book" "$run/pages"
cd "$run"
exec "$here/build/program/quillfold" "$here/build/demo-book"
