#!/usr/bin/env bash
# Renders every window of Quillfold from the real widgets into docs/*.png
# (the README's screenshots): builds the screenshot tool (preset ci) and
# runs it on Qt's offscreen platform, in Japanese (docs/NAME.png) and in
# English (docs/NAME-en.png). With pngquant installed the pictures
# are reduced to 256 colours, which keeps the committed files small.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset ci >/dev/null
cmake --build "$here/build" --target screenshot
for language in ja en; do
    QT_QPA_PLATFORM=offscreen "$here/build/tools/screenshot" "$here/docs" "$language"
done
if command -v pngquant >/dev/null; then
    pngquant --force --skip-if-larger --strip --ext .png 256 -- "$here"/docs/*.png || true
else
    echo "pngquant not installed (Debian: pngquant): the pictures stay in full colour"
fi
ls -l "$here"/docs/*.png
