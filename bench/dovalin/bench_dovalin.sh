#!/bin/bash
# Image thumbnails side by side: Dovalin against vipsthumbnail and
# gdk-pixbuf-thumbnailer on the same generated 6000 x 4000 JPEGs, each scaled into
# a 256-pixel box and saved as PNG. Prints milliseconds per image, the peak resident
# memory of each tool and Dovalin's time relative to the fastest other tool.
#
# Usage: bench_dovalin.sh [path/to/dovalin]   (default: build/bin/dovalin)
# Builds nothing: build the project first (a Release build gives the real figures).
# Environment: COUNT (pictures, default 40), ROUNDS (best of, default 3), WORK (folder).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
dovalin="${1:-$repo/build/bin/dovalin}"
count="${COUNT:-40}"
rounds="${ROUNDS:-3}"
box=256

if [ ! -x "$dovalin" ]; then
    echo "No Dovalin at $dovalin: build the project first, or name the program." >&2
    exit 1
fi

source "$here/../support/bench_tools.sh"
install_tools libvips-tools libgdk-pixbuf2.0-bin

work="${WORK:-$(mktemp -d /tmp/bench_dovalin.XXXXXX)}"
trap '[ -z "${WORK:-}" ] && rm -rf "$work"' EXIT
mkdir -p "$work/pictures"

# Photo-like pictures: smooth shading with fine grain, so the JPEG carries detail
# as a camera picture does (about as many bytes per pixel).
if [ "$(ls "$work/pictures" | wc -l)" -ne "$count" ]; then
    echo "Making $count pictures of 6000 x 4000 pixels in $work/pictures"
    ( cd "$work"
      vips sines shade.v 6000 4000 --hfreq 3 --vfreq 2
      vips gaussnoise grain.v 6000 4000 --sigma 18 --mean 0
      vips gaussblur grain.v soft.v 0.8
      vips linear shade.v lit.v 70 120
      vips add lit.v soft.v mono.v
      vips linear mono.v red.v 1.1 20
      vips linear mono.v blue.v 0.8 5
      vips bandjoin "red.v mono.v blue.v" colour.v
      vips cast colour.v photo.v uchar
      vips jpegsave photo.v source.jpg --Q 90
      rm -f ./*.v )
    for i in $(seq -w 1 "$count"); do
        cp "$work/source.jpg" "$work/pictures/photo$i.jpg"
    done
fi
pictures=("$work"/pictures/*.jpg)

# A Dovalin job for all pictures, as the image client writes it.
job="$work/dovalin-job.dat"
{
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo '<!DOCTYPE Dovalin-Data>'
    echo '<Root>'
    echo "    <List outputPath=\"$work/out-dovalin\">"
    for picture in "${pictures[@]}"; do
        name="$(basename "$picture" .jpg)"
        echo "        <Item filePath=\"$picture\" thumbName=\"$name.\" thumbFormat=\"PNG\" key=\"$name\"" \
             "thumbWidth=\"$box\" thumbHeight=\"$box\" photoBorder=\"8\"/>"
    done
    echo '    </List>'
    echo '</Root>'
} > "$job"

run_dovalin() {
    rm -rf "$work/out-dovalin"
    measure env QT_QPA_PLATFORM=offscreen "$dovalin" "$job"
}

run_vips() {
    rm -rf "$work/out-vips" && mkdir -p "$work/out-vips"
    measure vipsthumbnail --size "${box}x${box}" -o "$work/out-vips/%s.png" "${pictures[@]}"
}

# gdk-pixbuf-thumbnailer takes one picture per run: total time, largest run.
run_pixbuf() {
    rm -rf "$work/out-pixbuf" && mkdir -p "$work/out-pixbuf"
    local total=0 peak=0 seconds kilobytes
    for picture in "${pictures[@]}"; do
        read -r seconds kilobytes < <(measure gdk-pixbuf-thumbnailer -s "$box" "$picture" "$work/out-pixbuf/$(basename "$picture").png")
        total=$(echo "$total + $seconds" | bc -l)
        [ "$kilobytes" -gt "$peak" ] && peak=$kilobytes
    done
    echo "$total $peak"
}

cat "${pictures[@]}" > /dev/null # all tools start from a warm file cache

declare -A best peak
best_of "$rounds" dovalin vips pixbuf

made=$(ls "$work/out-dovalin" | wc -l)
[ "$made" -eq "$count" ] || { echo "Dovalin made $made of $count thumbnails" >&2; exit 1; }

fastest=$(printf '%s\n' "${best[vips]}" "${best[pixbuf]}" | sort -g | head -1)
ratio=$(printf '%.2f' "$(echo "${best[dovalin]} / $fastest" | bc -l)")

echo "Thumbnails of $count JPEGs, 6000 x 4000 pixels, into a $box-pixel box (best of $rounds runs)"
printf '%-24s %12s %14s\n' "tool" "ms per image" "peak RSS MB"
printf '%-24s %12s %14s\n' "dovalin" "$(ms dovalin "$count")" "$(mb dovalin)"
printf '%-24s %12s %14s\n' "vipsthumbnail" "$(ms vips "$count")" "$(mb vips)"
printf '%-24s %12s %14s\n' "gdk-pixbuf-thumbnailer" "$(ms pixbuf "$count")" "$(mb pixbuf)"
echo "dovalin / fastest other: $ratio (target at most 1.0); dovalin peak memory $(mb dovalin) MB (target under 64 MB)"
