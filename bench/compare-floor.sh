#!/usr/bin/env bash
# Runs quillfold-batch with one and two jobs, the plain libjpeg floor
# (bench_floor) in one and two processes, and ImageMagick two images at a
# time over the same folder of generated spreads, alternating them round by
# round, and prints medians per spread, ratios to the floor, peak memory and
# page faults, and the ratios the batch is held to. Other contenders take
# the program's work apart (see below).
#
#     bench/compare-floor.sh [-r ROUNDS] [-n SPREADS] [-s WxH] [-t THRESHOLD]
#                            [-k 420|444] [-w WORKDIR] [-b BUILDDIR]
#                            [-c "CONTENDERS"] [-p PREVIOUS_BENCH_ITEMS]
#
# -k picks the spreads' chroma: 420 (subsampled, the default) or 444.
#
# Contenders (default "batch1 batch2 floor floor2 magick2"):
#   batch1        quillfold-batch --jobs 1 (split left, margins, JPEG 80)
#   batch2        quillfold-batch --jobs 2
#   batch1-turn   quillfold-batch --jobs 1 with a quarter turn of every page
#   batch1-lossless  quillfold-batch --jobs 1 --lossless, no margins: the
#                 pages keep the spreads' blocks, cut on their grid
#   batch1-lossless-margins  the same with margins (the box found on the
#                 decoded pixels, the blocks kept)
#   batch1-lossless-turn  --lossless with a left turn of every page, no margins
#   jpegtran      two jpegtran -crop runs per spread at the same cut, as a
#                 user would script it (apt install libjpeg-turbo-progs)
#   floor         bench_floor: plain libjpeg, buffers kept
#   floor-fresh   the floor with a new decode target for every image
#   floor-sync    the floor writing through a temporary file, fdatasync, rename
#   floor2        the floor in two processes, each taking every other spread
#   items         bench_items: split::processItem + split::commitItem
#   items-turn    the same with a quarter turn of every page
#   items-prev    bench_items of an earlier build (-p), to compare a change
#   items-prev-turn  the same with a quarter turn of every page
#   magick        /usr/bin/convert, one spread at a time, one thread
#   magick2       the same, two spreads at a time
# Needs a build with -DQUILLFOLD_BUILD_BENCH=ON and GNU time (/usr/bin/time).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
rounds=5
count=20
size=4960x3508
threshold=100
work=${TMPDIR:-/tmp}/quillfold-bench
build=$here/build
contenders=(batch1 batch2 floor floor2 magick2)
previous=
chroma=420
while getopts "r:n:s:t:k:w:b:c:p:" option; do
    case $option in
        r) rounds=$OPTARG ;;
        n) count=$OPTARG ;;
        s) size=$OPTARG ;;
        t) threshold=$OPTARG ;;
        k) chroma=$OPTARG ;;
        w) work=$OPTARG ;;
        b) build=$OPTARG ;;
        c) read -r -a contenders <<< "$OPTARG" ;;
        p) previous=$OPTARG ;;
        *) sed -n '2,36p' "$0" >&2; exit 2 ;;
    esac
done

bookgen=$build/bookgen/quillfold-bookgen
floor=$build/bench/bench_floor
items=$build/bench/bench_items
batch=$build/batch/quillfold-batch
for program in "$bookgen" "$floor" "$items" "$batch" /usr/bin/time; do
    if [ ! -x "$program" ]; then
        echo "missing $program (build with -DQUILLFOLD_BUILD_BENCH=ON; GNU time: apt install time)" >&2
        exit 2
    fi
done
if [[ " ${contenders[*]} " == *" items-prev"* ]] && [ ! -x "$previous" ]; then
    echo "items-prev needs -p with an earlier build's bench_items" >&2
    exit 2
fi
if [ "$chroma" != 420 ] && [ "$chroma" != 444 ]; then
    echo "-k takes 420 or 444" >&2
    exit 2
fi
if [[ " ${contenders[*]} " == *" jpegtran "* ]] && ! command -v jpegtran > /dev/null; then
    echo "missing jpegtran (apt install libjpeg-turbo-progs, or leave jpegtran out with -c)" >&2
    exit 2
fi
if [[ " ${contenders[*]} " == *" magick"* ]] && [ ! -x /usr/bin/convert ]; then
    echo "missing /usr/bin/convert (apt install imagemagick, or leave magick out with -c)" >&2
    exit 2
fi

corpus=$work/corpus-$size-$count
[ "$chroma" = 420 ] || corpus=$corpus-$chroma
if [ "$(find "$corpus" -maxdepth 1 -name '*.jpg' 2>/dev/null | wc -l)" -ne "$count" ]; then
    rm -rf "$corpus"
    echo "generating $count spreads of $size ($chroma) in $corpus"
    "$bookgen" --quiet --count "$count" --size "$size" --chroma "$chroma" "$corpus"
fi
cat "$corpus"/*.jpg > /dev/null  # in the page cache, as a batch finds freshly scanned files
corpus_mb=$(du -sm "$corpus" | cut -f1)

# ImageMagick's fuzz is a colour distance in per cent; T grey levels of 255
# is the nearest equivalent of the program's threshold.
fuzz=$(( (threshold * 100 + 127) / 255 ))
magick_one() {
    MAGICK_THREAD_LIMIT=1 /usr/bin/convert "$1" -crop 50%x100% +repage \
        -fuzz "$fuzz%" -trim +repage -quality 80 "$2/$(basename "$1" .jpg)_%d.jpg"
}
magick_split() {
    local source=$1 dest=$2 at_a_time=$3
    find "$source" -maxdepth 1 -name '*.jpg' -print0 | sort -z |
        xargs -0 -P "$at_a_time" -I{} bash -c 'magick_one "$1" "$2"' _ {} "$dest"
}

# Two jpegtran runs per spread, cut where the lossless batch cuts (the half
# moved down to the block grid: 16 pixels for 4:2:0, 8 for 4:4:4), named as
# it names them (right page first), markers copied as it copies them.
jpegtran_split() {
    local source=$1 dest=$2 width=${size%x*} height=${size#*x} grid=16 cut file base
    [ "$chroma" = 444 ] && grid=8
    cut=$(( width / 2 / grid * grid ))
    for file in "$source"/*.jpg; do
        base=$(basename "$file" .jpg)
        jpegtran -copy all -crop "$((width - cut))x$height+$cut+0" -outfile "$dest/${base}_1.jpg" "$file"
        jpegtran -copy all -crop "${cut}x$height+0+0" -outfile "$dest/${base}_2.jpg" "$file"
    done
}

run() {
    local name=$1 out=$work/out-$1
    case $name in
        batch1) "$batch" --quiet --jobs 1 --no-subfolder --margins "$threshold" "$corpus" "$out" ;;
        batch2) "$batch" --quiet --jobs 2 --no-subfolder --margins "$threshold" "$corpus" "$out" ;;
        batch1-turn) "$batch" --quiet --jobs 1 --no-subfolder --rotate L --margins "$threshold" \
            "$corpus" "$out" ;;
        batch1-lossless) "$batch" --quiet --jobs 1 --no-subfolder --lossless "$corpus" "$out" ;;
        batch1-lossless-margins) "$batch" --quiet --jobs 1 --no-subfolder --lossless \
            --margins "$threshold" "$corpus" "$out" ;;
        batch1-lossless-turn) "$batch" --quiet --jobs 1 --no-subfolder --lossless --rotate L \
            "$corpus" "$out" ;;
        jpegtran) jpegtran_split "$corpus" "$out" ;;
        floor) "$floor" --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        floor-fresh) "$floor" --fresh-buffers --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        floor-sync) "$floor" --sync --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        floor2) "$floor" --processes 2 --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        items) "$items" --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        items-turn) "$items" --turn L --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        items-prev) "$previous" --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        items-prev-turn) "$previous" --turn L --threshold "$threshold" --quality 80 "$corpus" "$out" ;;
        magick) magick_split "$corpus" "$out" 1 ;;
        magick2) magick_split "$corpus" "$out" 2 ;;
        *) echo "unknown contender $name" >&2; return 2 ;;
    esac
}

results=$work/results.txt
: > "$results"
echo "$count spreads of $size $chroma ($corpus_mb MB), threshold $threshold, JPEG 80, $rounds rounds," \
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
        export -f run magick_split magick_one jpegtran_split
        if ! /usr/bin/time -f "%e %U %S %M %R" -o "$work/time.txt" \
            env batch="$batch" floor="$floor" items="$items" previous="$previous" corpus="$corpus" \
            threshold="$threshold" chroma="$chroma" size="$size" \
            fuzz="$fuzz" work="$work" bash -c "run $name" > /dev/null 2> "$work/stderr.txt"; then
            echo "$name failed:" >&2
            cat "$work/stderr.txt" >&2
            exit 1
        fi
        echo "$name $(tail -n 1 "$work/time.txt")" >> "$results"
    done
    printf 'round %d done\n' $((round + 1))
    # The contenders must do the same work: the program's outputs and the
    # floor's are the same bytes (the same libjpeg, settings and pixels).
    if [ "$round" -eq 0 ] && [[ " ${contenders[*]} " == *" floor "* ]]; then
        for other in batch1 batch2 items items-prev; do
            [[ " ${contenders[*]} " == *" $other "* ]] || continue
            different=0
            for file in "$work/out-floor"/*; do
                cmp -s "$file" "$work/out-$other/$(basename "$file")" || different=$((different + 1))
            done
            echo "floor and $other outputs: $(ls "$work/out-floor" | wc -l) files, $different differ"
        done
    fi
    # The lossless batch writes the bytes jpegtran writes: the same blocks,
    # the same markers, libjpeg's standard Huffman tables.
    if [ "$round" -eq 0 ] && [[ " ${contenders[*]} " == *" jpegtran "* ]] &&
        [[ " ${contenders[*]} " == *" batch1-lossless "* ]]; then
        different=0
        for file in "$work/out-jpegtran"/*; do
            cmp -s "$file" "$work/out-batch1-lossless/$(basename "$file")" || different=$((different + 1))
        done
        echo "jpegtran and batch1-lossless outputs: $(ls "$work/out-jpegtran" | wc -l) files," \
             "$different differ"
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
    printf "%-24s %10s %10s %10s %10s %8s %12s %8s %8s\n", "per spread", "wall ms", "user ms",
           "sys ms", "cpu ms", "peak MB", "minor faults", "wall x", "cpu x"
    base = ("floor" in n) ? "floor" : names[1]
    fw = median(wall[base], n[base]); fc = median(cpu[base], n[base])
    for (k = 1; k in names; k++) {
        c = names[k]; w = median(wall[c], n[c]); u = median(cpu[c], n[c])
        printf "%-24s %10.1f %10.1f %10.1f %10.1f %8.0f %12.0f %8.2f %8.2f\n", c,
               1000 * w / count, 1000 * median(user[c], n[c]) / count,
               1000 * median(sys[c], n[c]) / count, 1000 * u / count,
               median(rss[c], n[c]) / 1024, median(faults[c], n[c]) / count, w / fw, u / fc
        medianWall[c] = w
    }
    print ""
    if ("batch1" in n && "floor" in n)
        printf "batch --jobs 1 over the floor in one process:  %.2f x the time (target at most 1.15)\n",
               medianWall["batch1"] / medianWall["floor"]
    if ("batch1" in n && "batch2" in n)
        printf "batch --jobs 2 over --jobs 1:                   %.2f x the images per second (target at least 1.8)\n",
               medianWall["batch1"] / medianWall["batch2"]
    if ("floor" in n && "floor2" in n)
        printf "floor in two processes over one:               %.2f x the images per second\n",
               medianWall["floor"] / medianWall["floor2"]
    if ("batch1-lossless" in n && "jpegtran" in n)
        printf "batch --lossless over two jpegtran -crop:       %.2f x the time (target at most 1.0)\n",
               medianWall["batch1-lossless"] / medianWall["jpegtran"]
    if ("batch1-lossless" in n && "floor" in n)
        printf "batch --lossless over the floor:                %.2f x the time (target at most 1.1)\n",
               medianWall["batch1-lossless"] / medianWall["floor"]
    if ("batch1-lossless-margins" in n && "floor" in n)
        printf "batch --lossless --margins over the floor:      %.2f x the time (target at most 1.3)\n",
               medianWall["batch1-lossless-margins"] / medianWall["floor"]
    if ("batch1-lossless" in n)
        printf "batch --lossless peak memory:                   %.0f MB (target at most 40)\n",
               median(rss["batch1-lossless"], n["batch1-lossless"]) / 1024
    if ("batch2" in n && "magick2" in n)
        printf "batch --jobs 2 over ImageMagick two at a time: %.1f x the images per second (target at least 10)\n",
               medianWall["magick2"] / medianWall["batch2"]
}' "$results"
echo "(medians of $rounds runs; x = median over the floor's median; peak = maximum resident" \
     "set; raw figures in $results)"
