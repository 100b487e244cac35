#!/usr/bin/env bash
# A long run of quillfold-batch: N spreads (default 1000, hard links to a
# few generated ones) split with margins and a quarter turn, printing the
# batch's peak memory after the 100th image and after the last. The peak
# must not grow: every worker keeps its buffers from image to image.
#
#     bench/soak.sh [-n SPREADS] [-j JOBS] [-s WxH] [-w WORKDIR] [-b BUILDDIR]
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
count=1000
jobs=$(nproc)
size=4960x3508
work=${TMPDIR:-/tmp}/quillfold-soak
build=$here/build
while getopts "n:j:s:w:b:" option; do
    case $option in
        n) count=$OPTARG ;;
        j) jobs=$OPTARG ;;
        s) size=$OPTARG ;;
        w) work=$OPTARG ;;
        b) build=$OPTARG ;;
        *) sed -n '2,7p' "$0" >&2; exit 2 ;;
    esac
done
bookgen=$build/bookgen/quillfold-bookgen
batch=$build/batch/quillfold-batch
for program in "$bookgen" "$batch" /usr/bin/time; do
    [ -x "$program" ] || { echo "missing $program (build first)" >&2; exit 2; }
done

# A few different spreads, then hard links to them under N names.
originals=$work/originals-$size
if [ "$(find "$originals" -name '*.jpg' 2>/dev/null | wc -l)" -ne 10 ]; then
    rm -rf "$originals"
    "$bookgen" --quiet --count 10 --size "$size" "$originals"
fi
book=$work/book
rm -rf "$book" "$work/out"
mkdir -p "$book" "$work/out"
mapfile -t sources < <(find "$originals" -name '*.jpg' | sort)
for ((i = 0; i < count; i++)); do
    ln "${sources[i % ${#sources[@]}]}" "$(printf '%s/s%05d.jpg' "$book" "$i")"
done

peak() {
    awk '/VmHWM/ { printf "%.0f MB", $2 / 1024 }' "/proc/$1/status"
}
echo "$count spreads of $size, $jobs jobs, margins 100, quarter turn, JPEG 80"
SECONDS=0
# Without a terminal the batch prints one line per image on stderr.
coproc BATCH { exec /usr/bin/time -f "%M" -o "$work/peak.txt" "$batch" --jobs "$jobs" \
    --no-subfolder --margins 100 --rotate L "$book" "$work/out" 2>&1 >/dev/null; }
timer=$BATCH_PID
while IFS= read -r line <&"${BATCH[0]}"; do
    case $line in
        "100/"*)
            printf 'after %5d images: peak %s (%d s)\n' 100 "$(peak "$(pgrep -P "$timer")")" \
                "$SECONDS" ;;
        [0-9]*/*) ;;
        *) echo "$line" ;;
    esac
done
wait "$timer"
printf 'after %5d images: peak %.0f MB (%d s)\n' "$count" "$(($(cat "$work/peak.txt") / 1024))" \
    "$SECONDS"
rm -rf "$work/out" "$book"
