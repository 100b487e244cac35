#!/usr/bin/env bash
# Installs what is missing, builds everything (preset ci: warnings are
# errors, the tools are built too) and runs the whole test suite.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
