#!/bin/bash
# Video thumbnails side by side: Tulmar against ffmpegthumbnailer on the same twenty
# generated 1080p H.264 videos (8 s, sound, different key-frame spacing and black
# lead-ins), each to a film-strip thumbnail in a 256-pixel box, saved as PNG. Tulmar
# gets the videos as one job, as the video client gives them; ffmpegthumbnailer takes
# one video per run, and runs four at once. The runs of the two take turns (ROUNDS
# each); printed are the medians of their times, the processor time they took (as
# cores kept busy), their peak resident memory, the machine and its load, and the
# ratio of Tulmar's median to ffmpegthumbnailer's.
#
# Usage: bench_tulmar.sh [path/to/tulmar]   (default: the newest build*/bin/tulmar)
# Builds nothing: build the project first, with benchmarks on (mediagen, which writes
# the videos, is built with them). A Release build gives the real figures.
# Environment: COUNT (videos, default 20), ROUNDS (runs of each, default 9), WORK
# (folder, kept between runs so the videos are made once), BUSY (busy loops kept
# running beside the measured runs, to see a loaded machine; default 0).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
tulmar="${1:-}"
if [ -z "$tulmar" ]; then
    tulmar="$(ls -t "$repo"/build*/bin/tulmar 2>/dev/null | head -n 1 || true)"
fi
count="${COUNT:-20}"
rounds="${ROUNDS:-9}"
busy="${BUSY:-0}"
box=256
at_once=4

if [ ! -x "$tulmar" ]; then
    echo "No tulmar found: build the project first, or name the program." >&2
    exit 1
fi
mediagen="$(cd "$(dirname "$tulmar")/.." && pwd)/tools/mediagen/mediagen"
if [ ! -x "$mediagen" ]; then
    echo "No mediagen at $mediagen: build the target mediagen in the same build folder." >&2
    exit 1
fi

source "$here/../support/bench_tools.sh"
install_tools ffmpegthumbnailer

work="${WORK:-$(mktemp -d /tmp/bench_tulmar.XXXXXX)}"
trap '[ -z "${WORK:-}" ] && rm -rf "$work"' EXIT
mkdir -p "$work/videos"
export QT_QPA_PLATFORM=offscreen

if [ "$(ls "$work/videos" | wc -l)" -ne "$count" ]; then
    echo "Making $count videos of 1920 x 1080 pixels in $work/videos"
    rm -f "$work"/videos/*
    "$mediagen" --count "$count" --size 1920x1080 --seconds 8 --codec libx264 "$work/videos"
fi
videos=("$work"/videos/*.mp4)

# A Tulmar job for all videos, as the video client writes it for the cabinet.
job="$work/tulmar-job.dat"
{
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo '<!DOCTYPE Tulmar-Data>'
    echo '<Root>'
    echo "    <List outputPath=\"$work/out-tulmar\">"
    for video in "${videos[@]}"; do
        name="$(basename "$video" .mp4)"
        echo "        <Item filePath=\"$video\" thumbName=\"$name.\" thumbFormat=\"PNG\" key=\"$name\"" \
             "thumbWidth=\"$box\" thumbHeight=\"$box\" thumbAlpha=\"255\" thumbTime=\"0\" filmBorderSize=\"30\"" \
             "filmBorderSpacing=\"18\" filmBorderColor=\"E6000000\" filmBackColor=\"FF000000\"/>"
    done
    echo '    </List>'
    echo '</Root>'
} > "$job"

# made FOLDER: ends the benchmark unless the run left a thumbnail of every video there.
made() {
    local made
    made=$(find "$1" -maxdepth 1 -type f | wc -l)
    [ "$made" -eq "$count" ] || { echo "$1: $made of $count thumbnails made" >&2; exit 1; }
}

run_tulmar() {
    rm -rf "$work/out-tulmar"
    measure_cpu "$tulmar" "$job" > "$work/figures"
    made "$work/out-tulmar"
}

# ffmpegthumbnailer takes one video per run, from 10 % in by default; -f draws its
# film strip. xargs keeps four runs going.
other_arguments="$work/other-arguments"
for video in "${videos[@]}"; do
    printf -- '-i\0%s\0-o\0%s\0' "$video" "$work/out-other/$(basename "$video").png"
done > "$other_arguments"
run_other() {
    rm -rf "$work/out-other" && mkdir -p "$work/out-other"
    measure_cpu xargs -0 -a "$other_arguments" -n 4 -P "$at_once" ffmpegthumbnailer -s "$box" -f > "$work/figures"
    made "$work/out-other"
}

busy_pids=()
stop_busy() {
    local pid
    for pid in "${busy_pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    for pid in "${busy_pids[@]}"; do wait "$pid" 2> /dev/null || true; done
    busy_pids=()
}
trap 'stop_busy; [ -z "${WORK:-}" ] && rm -rf "$work"' EXIT

cat "${videos[@]}" > /dev/null # both tools start from a warm file cache
for tool in tulmar other; do "run_$tool"; done # and from warm libraries

for _ in $(seq 1 "$busy"); do
    ( while :; do :; done ) &
    busy_pids+=($!)
done
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
declare -A seconds cpu peak
for tool in tulmar other; do seconds[$tool]=""; cpu[$tool]=""; peak[$tool]=0; done
for round in $(seq 1 "$rounds"); do
    for tool in tulmar other; do
        "run_$tool"
        read -r wall kilobytes processor < "$work/figures"
        seconds[$tool]+=" $wall"
        cpu[$tool]+=" $processor"
        if [ "$kilobytes" -gt "${peak[$tool]}" ]; then peak[$tool]=$kilobytes; fi
    done
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)
stop_busy

declare -A median_seconds median_cpu
for tool in tulmar other; do
    # shellcheck disable=SC2086 # the lists are numbers apart
    median_seconds[$tool]=$(median ${seconds[$tool]})
    # shellcheck disable=SC2086
    median_cpu[$tool]=$(median ${cpu[$tool]})
done
ratio=$(printf '%.2f' "$(echo "${median_seconds[tulmar]} / ${median_seconds[other]}" | bc -l)")

row() {
    printf '%-26s %12.1f %12.0f %12.2f %12.1f\n' "$1" \
        "$(echo "${median_seconds[$2]} * 1000 / $count" | bc -l)" \
        "$(echo "${median_seconds[$2]} * 1000" | bc -l)" \
        "$(echo "${median_cpu[$2]} / ${median_seconds[$2]}" | bc -l)" \
        "$(echo "${peak[$2]} / 1024" | bc -l)"
}
echo "Film-strip thumbnails of $count H.264 videos, 1920 x 1080, 8 s, into a $box-pixel box"
machine_line
# Tulmar makes a file per usable core at once, at most 8 and at most one per video.
side_by_side=$(nproc)
(( side_by_side > 8 )) && side_by_side=8
(( side_by_side > count )) && side_by_side=$count
echo "Tulmar makes $side_by_side files at once; $busy busy loops beside;" \
     "load $load_before before the runs, $load_after after"
echo "Medians of $rounds runs of each, taking turns"
printf '%-26s %12s %12s %12s %12s\n' "tool" "ms per video" "ms in all" "cores busy" "peak RSS MB"
row "tulmar (one job)" tulmar
row "ffmpegthumbnailer x$at_once" other
echo "tulmar / ffmpegthumbnailer run $at_once at once: $ratio (ratio of medians; target at most 0.6)"
