#!/usr/bin/env bash
# Installs what is missing, builds Quillfold and starts it in the current
# directory (where it keeps Quillfold.ini).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset default >/dev/null
cmake --build "$here/build" --target quillfold
cd "$OLDPWD"
exec "$here/build/program/quillfold"
