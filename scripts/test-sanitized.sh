#!/usr/bin/env bash
# Builds the logic tests with AddressSanitizer and UBSan and runs them, then
# replays each fuzz target's seed files. CI runs this after scripts/test.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" fuzz
cd "$here"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
"$here/scripts/fuzz.sh" replay
