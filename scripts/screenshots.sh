#!/usr/bin/env bash
# Renders every window of Quillfold from the real widgets into docs/*.png
# (the README's screenshots), in Japanese (docs/NAME.png) and in English
# (docs/NAME-en.png), and a generated page before and after the deskew:
# builds the screenshot tools (preset ci) and runs them on Qt's offscreen
# platform. With pngquant installed the pictures
# are reduced to 256 colours, which keeps the committed files small.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset ci >/dev/null
cmake --build "$here/build" --target screenshot deskew_pictures
for language in ja en; do
    QT_QPA_PLATFORM=offscreen "$here/build/tools/screenshot" "$here/docs" "$language"
done
QT_QPA_PLATFORM=offscreen "$here/build/tools/deskew_pictures" "$here/docs"
if command -v pngquant >/dev/null; then
    pngquant --force --skip-if-larger --strip --ext .png 256 -- "$here"/docs/*.png || true
else
    echo "pngquant not installed (Debian: pngquant): the pictures stay in full colour"
fi
ls -l "$here"/docs/*.png
