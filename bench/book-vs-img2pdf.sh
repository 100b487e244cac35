#!/usr/bin/env bash
# quillfold-book next to img2pdf on the same generated book: N pages
# (default 600) of about 3 MB each, JPEG scans of 4960 x 3508 pixels made
# by quillfold-bookgen (a few distinct scans, each page file of its own: a
# comment with its number sets every page apart, so no two files share
# their bytes or their place in the page cache). Each round binds the book
# with both, alternating which goes first, after one unmeasured run of each
# that brings the pages into the page cache; it prints the median time,
# pages a second, the ratio and the peak memory (GNU time's maximum
# resident set size). quillfold-book writes through a temporary file that
# it puts on the disk (fdatasync) before the rename; img2pdf writes its
# output and leaves it to the kernel.
#
#     bench/book-vs-img2pdf.sh [-n PAGES] [-r ROUNDS] [-s WxH] [-q QUALITY]
#                              [-w WORKDIR] [-b BUILDDIR]
#
# Needs the build (quillfold-book, quillfold-bookgen); GNU time and img2pdf
# come from Debian when missing (scripts/install-deps.sh bench).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
count=600
rounds=3
size=4960x3508
quality=85
work=$here/build/bench-book
build=$here/build
while getopts "n:r:s:q:w:b:" option; do
    case $option in
        n) count=$OPTARG ;;
        r) rounds=$OPTARG ;;
        s) size=$OPTARG ;;
        q) quality=$OPTARG ;;
        w) work=$OPTARG ;;
        b) build=$OPTARG ;;
        *) sed -n "2,18p" "$0" >&2; exit 2 ;;
    esac
done
bookgen=$build/bookgen/quillfold-bookgen
binder=$build/book/quillfold-book
for program in "$bookgen" "$binder"; do
    [ -x "$program" ] || { echo "missing $program (build first)" >&2; exit 2; }
done
if ! command -v img2pdf >/dev/null || [ ! -x /usr/bin/time ]; then
    "$here/scripts/install-deps.sh" bench
fi

pages=$work/pages-$count-$size-q$quality
if [ "$(find "$pages" -name 'p*.jpg' 2>/dev/null | wc -l)" -ne "$count" ]; then
    distinct=$(( count < 24 ? count : 24 ))
    echo "Making $count pages in $pages ($distinct distinct scans) ..."
    rm -rf "$pages" "$work/scans"
    mkdir -p "$pages"
    "$bookgen" --quiet --count "$distinct" --size "$size" --quality "$quality" "$work/scans"
    python3 - "$work/scans" "$pages" "$count" <<'PY'
import os, sys
scans, pages, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
sources = sorted(os.path.join(scans, n) for n in os.listdir(scans) if n.endswith('.jpg'))
for i in range(count):
    data = open(sources[i % len(sources)], 'rb').read()
    text = b'page %d' % (i + 1)
    comment = b'\xff\xfe' + (len(text) + 2).to_bytes(2, 'big') + text
    with open(os.path.join(pages, 'p%d.jpg' % (i + 1)), 'wb') as out:
        out.write(data[:2] + comment + data[2:])
PY
    rm -rf "$work/scans"
fi
bytes=$(du -sb "$pages" | cut -f1)
echo "Book: $count pages, $(( bytes / 1000000 )) MB, in $pages (free: $(df -h "$work" | awk 'NR==2 {print $4}'))"
# img2pdf takes the pages in the order given: the natural order.
mapfile -t ordered < <(cd "$pages" && ls -v p*.jpg)
ordered=("${ordered[@]/#/$pages/}")

calc() { awk "BEGIN { print $1 }"; }

# run NAME: binds the book once, prints "seconds peak-kB".
run() {
    local log=$work/time.log
    rm -f "$work/book.pdf"
    case $1 in
        quillfold) /usr/bin/time -v -o "$log" "$binder" --quiet "$pages" "$work/book.pdf" ;;
        img2pdf) /usr/bin/time -v -o "$log" img2pdf --output "$work/book.pdf" "${ordered[@]}" ;;
    esac
    awk -F': ' '/Elapsed \(wall clock\)/ {
                    n = split($2, t, ":"); s = 0
                    for (i = 1; i <= n; ++i) s = s * 60 + t[i]
                }
                /Maximum resident set size/ { kb = $2 }
                END { printf "%.3f %d\n", s, kb }' "$log"
}

run quillfold >/dev/null
run img2pdf >/dev/null
declare -A times peaks
for round in $(seq 1 "$rounds"); do
    order=(quillfold img2pdf)
    (( round % 2 == 0 )) && order=(img2pdf quillfold)
    for contender in "${order[@]}"; do
        read -r seconds peak < <(run "$contender")
        times[$contender]+="$seconds "
        (( peak > ${peaks[$contender]:-0} )) && peaks[$contender]=$peak
        printf '  round %d  %-10s %7.2f s  %6.1f MB peak\n' "$round" "$contender" "$seconds" \
            "$(calc "$peak / 1024")"
    done
done
rm -f "$work/book.pdf" "$work/time.log"

median() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ours=$(echo "${times[quillfold]}" | median)
theirs=$(echo "${times[img2pdf]}" | median)
echo
printf '%-26s %10s %10s %12s %12s\n' "" "median s" "pages/s" "MB/s" "peak MB"
for contender in quillfold img2pdf; do
    seconds=$(echo "${times[$contender]}" | median)
    printf '%-26s %10.2f %10.1f %12.1f %12.1f\n' \
        "$([ "$contender" = quillfold ] && echo quillfold-book || echo img2pdf)" "$seconds" \
        "$(calc "$count / $seconds")" "$(calc "$bytes / 1000000 / $seconds")" \
        "$(calc "${peaks[$contender]} / 1024")"
done
printf '\nquillfold-book takes %.2f x the time of img2pdf (target: at most 1.00); peak %.1f MB (target: under 64)\n' \
    "$(calc "$ours / $theirs")" "$(calc "${peaks[quillfold]} / 1024")"
