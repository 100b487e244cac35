#!/usr/bin/env bash
# Runs the program's per-image split work (bench_items), the plain libjpeg
# floor (bench_floor, also with the program's fresh decode target and its
# synced writes added back one at a time) and ImageMagick over the same
# folder of generated spreads, alternating them round by round, and prints
# medians per spread, ratios to the floor, peak memory and page faults.
#
#     bench/compare-floor.sh [-r ROUNDS] [-n SPREADS] [-s WxH] [-t THRESHOLD]
#                            [-w WORKDIR] [-b BUILDDIR] [-M]
#
# -M leaves ImageMagick out. Needs a build with -DQUILLFOLD_BUILD_BENCH=ON
# and GNU time (/usr/bin/time); ImageMagick is /usr/bin/convert.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
rounds=5
count=20
size=4960x3508
threshold=100
work=${TMPDIR:-/tmp}/quillfold-bench
build=$here/build
magick=yes
while getopts "r:n:s:t:w:b:M" option; do
    case $option in
        r) rounds=$OPTARG ;;
        n) count=$OPTARG ;;
        s) size=$OPTARG ;;
        t) threshold=$OPTARG ;;
        w) work=$OPTARG ;;
        b) build=$OPTARG ;;
        M) magick=no ;;
        *) sed -n '2,12p' "$0" >&2; exit 2 ;;
    esac
done

bookgen=$build/bookgen/quillfold-bookgen
floor=$build/bench/bench_floor
items=$build/bench/bench_items
for program in "$bookgen" "$floor" "$items" /usr/bin/time; do
    if [ ! -x "$program" ]; then
        echo "missing $program (build with -DQUILLFOLD_BUILD_BENCH=ON; GNU time: apt install time)" >&2
        exit 2
    fi
done
if [ "$magick" = yes ] && [ ! -x /usr/bin/convert ]; then
    echo "missing /usr/bin/convert (apt install imagemagick, or -M)" >&2
    exit 2
fi

corpus=$work/corpus-$size-$count
if [ "$(find "$corpus" -maxdepth 1 -name '*.jpg' 2>/dev/null | wc -l)" -ne "$count" ]; then
    rm -rf "$corpus"
    echo "generating $count spreads of $size in $corpus"
    "$bookgen" --quiet --count "$count" --size "$size" "$corpus"
fi
cat "$corpus"/*.jpg > /dev/null  # in the page cache, as a batch finds freshly scanned files
corpus_mb=$(du -sm "$corpus" | cut -f1)

# ImageMagick's fuzz is a colour distance in per cent; T grey levels of 255
# is the nearest equivalent of the program's threshold.
fuzz=$(( (threshold * 100 + 127) / 255 ))
magick_split() {
    local source=$1 dest=$2 file
    for file in "$source"/*.jpg; do
        MAGICK_THREAD_LIMIT=1 /usr/bin/convert "$file" -crop 50%x100% +repage \
            -fuzz "$fuzz%" -trim +repage -quality 80 "$dest/$(basename "$file" .jpg)_%d.jpg"
    done
}

contenders=(floor floor-fresh floor-sync items)
[ "$magick" = yes ] && contenders+=(magick)

run() {
    local name=$1 out=$work/out-$1
    case $name in
        floor) "$floor" --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        floor-fresh) "$floor" --fresh-buffers --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        floor-sync) "$floor" --sync --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        items) "$items" --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        magick) magick_split "$corpus" "$out" ;;
    esac
}

results=$work/results.txt
: > "$results"
echo "$count spreads of $size ($corpus_mb MB), threshold $threshold, JPEG 80, $rounds rounds," \
     "$(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
for ((round = 0; round < rounds; round++)); do
    # A different order every round, so a slow moment of the machine does
    # not always fall on the same contender.
    order=("${contenders[@]:round % ${#contenders[@]}}" "${contenders[@]:0:round % ${#contenders[@]}}")
    for name in "${order[@]}"; do
        out=$work/out-$name
        rm -rf "$out"
        mkdir -p "$out"
        sync  # the previous run's writes are not this run's time
        export -f run magick_split
        if ! /usr/bin/time -f "%e %U %S %M %R" -o "$work/time.txt" \
            env floor="$floor" items="$items" corpus="$corpus" threshold="$threshold" \
            fuzz="$fuzz" work="$work" bash -c "run $name" > /dev/null 2> "$work/stderr.txt"; then
            echo "$name failed:" >&2
            cat "$work/stderr.txt" >&2
            exit 1
        fi
        echo "$name $(tail -n 1 "$work/time.txt")" >> "$results"
    done
    printf 'round %d done\n' $((round + 1))
    if [ "$round" -eq 0 ]; then
        different=0
        for file in "$work/out-floor"/*; do
            cmp -s "$file" "$work/out-items/$(basename "$file")" || different=$((different + 1))
        done
        echo "floor and items outputs: $(ls "$work/out-floor" | wc -l) files, $different differ"
    fi
done

echo
awk -v count="$count" -v order="${contenders[*]}" '
function median(list, n,   i, j, t, v) {
    split(list, v, " ")
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
}
{ wall[$1] = wall[$1] " " $2; cpu[$1] = cpu[$1] " " ($3 + $4); user[$1] = user[$1] " " $3
  sys[$1] = sys[$1] " " $4; rss[$1] = rss[$1] " " $5; faults[$1] = faults[$1] " " $6; n[$1]++ }
END {
    split(order, names, " ")
    printf "%-12s %10s %10s %10s %10s %8s %12s %8s %8s\n", "per spread", "wall ms", "user ms",
           "sys ms", "cpu ms", "peak MB", "minor faults", "wall x", "cpu x"
    fw = median(wall["floor"], n["floor"]); fc = median(cpu["floor"], n["floor"])
    for (k = 1; k in names; k++) {
        c = names[k]; w = median(wall[c], n[c]); u = median(cpu[c], n[c])
        printf "%-12s %10.1f %10.1f %10.1f %10.1f %8.0f %12.0f %8.2f %8.2f\n", c,
               1000 * w / count, 1000 * median(user[c], n[c]) / count,
               1000 * median(sys[c], n[c]) / count, 1000 * u / count,
               median(rss[c], n[c]) / 1024, median(faults[c], n[c]) / count, w / fw, u / fc
    }
}' "$results"
echo "(medians of $rounds runs; x = median over the floor's median; raw figures in $results)"
