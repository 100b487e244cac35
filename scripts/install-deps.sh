#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Quillfold
# need; with the argument "fuzz" also clang with libFuzzer and the symbolizer
# for the fuzz targets, with "package" the tools that build and check the
# Debian package, with "bench" img2pdf, which bench/book-vs-img2pdf.sh
# compares quillfold-book with. Does nothing when they are all present.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools   # translations
    libjpeg62-turbo-dev
    libleptonica-dev        # the skew measure of the automatic deskew
    libqpdf-dev libzip-dev  # the books of quillfold-book: PDF and CBZ
    qpdf poppler-utils      # the book tests check and render the PDF it writes
    libgtest-dev
    fonts-noto-cjk
    librsvg2-bin help2man   # icon sizes and manual pages, made while building
)
case "${1:-}" in
    fuzz) packages+=(clang-14 libclang-rt-14-dev llvm-14) ;;
    package) packages+=(dpkg-dev file lintian desktop-file-utils appstream) ;;
    bench) packages+=(img2pdf time) ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
