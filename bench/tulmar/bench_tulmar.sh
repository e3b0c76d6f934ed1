#!/bin/bash
# Video thumbnails side by side: Tulmar against ffmpegthumbnailer on the same twenty
# generated 1080p H.264 videos (8 s, sound, different key-frame spacing and black
# lead-ins), each to a film-strip thumbnail in a 256-pixel box, saved as PNG. Prints
# milliseconds per video and the peak resident memory of each tool (best of ROUNDS
# runs), and Tulmar's time relative to ffmpegthumbnailer's.
#
# Usage: bench_tulmar.sh [path/to/tulmar]   (default: the newest build*/bin/tulmar)
# Builds nothing: build the project first, with benchmarks on (mediagen, which writes
# the videos, is built with them). A Release build gives the real figures.
# Environment: COUNT (videos, default 20), ROUNDS (best of, default 3), WORK (folder,
# kept between runs so the videos are made once).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
tulmar="${1:-}"
if [ -z "$tulmar" ]; then
    tulmar="$(ls -t "$repo"/build*/bin/tulmar 2>/dev/null | head -n 1 || true)"
fi
count="${COUNT:-20}"
rounds="${ROUNDS:-3}"
box=256

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

run_tulmar() {
    rm -rf "$work/out-tulmar"
    measure "$tulmar" "$job"
}

# ffmpegthumbnailer takes one video per run, from 10 % in by default; -f draws its
# film strip. Total time, largest run.
run_other() {
    rm -rf "$work/out-other" && mkdir -p "$work/out-other"
    local total=0 peak=0 seconds kilobytes
    for video in "${videos[@]}"; do
        read -r seconds kilobytes < <(measure ffmpegthumbnailer -i "$video" -o "$work/out-other/$(basename "$video").png" -s "$box" -f)
        total=$(echo "$total + $seconds" | bc -l)
        [ "$kilobytes" -gt "$peak" ] && peak=$kilobytes
    done
    echo "$total $peak"
}

cat "${videos[@]}" > /dev/null # both tools start from a warm file cache

declare -A best peak
best_of "$rounds" tulmar other

made=$(ls "$work/out-tulmar" | wc -l)
[ "$made" -eq "$count" ] || { echo "Tulmar made $made of $count thumbnails" >&2; exit 1; }

ratio=$(printf '%.2f' "$(echo "${best[tulmar]} / ${best[other]}" | bc -l)")

echo "Film-strip thumbnails of $count H.264 videos, 1920 x 1080, 8 s, into a $box-pixel box (best of $rounds runs)"
printf '%-20s %12s %14s\n' "tool" "ms per video" "peak RSS MB"
printf '%-20s %12s %14s\n' "tulmar" "$(ms tulmar "$count")" "$(mb tulmar)"
printf '%-20s %12s %14s\n' "ffmpegthumbnailer" "$(ms other "$count")" "$(mb other)"
echo "tulmar / ffmpegthumbnailer: $ratio (target at most 1.0)"
