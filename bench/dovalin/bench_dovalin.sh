#!/bin/bash
# Image thumbnails side by side: Dovalin against vipsthumbnail and
# gdk-pixbuf-thumbnailer on the same generated 6000 x 4000 photos, each scaled into a
# 256-pixel box and saved as PNG. The other tools make one thumbnail after another
# (vipsthumbnail takes the whole list, gdk-pixbuf-thumbnailer runs once per picture);
# Dovalin gets the list as one job, as the image client gives it.
#
# Five figures, the tools taking turns in every round of the same run: a batch of 40
# JPEGs, the same batch with 4 PNGs of that size (decoded whole, so they weigh on
# memory), one JPEG alone, one alone with its colour sampled at half size each way
# (4:2:0, as cameras save them; the other JPEGs keep full colour), and that one saved
# progressive. Each picture alone is also made by Dovalin with its own JPEG decoder
# switched off, and decoded at an eighth by djpeg, with no
# scaling or saving: the floor of any JPEG thumbnailer. For each: the median
# milliseconds, peak resident memory, Dovalin's memory per decoding thread and its time
# relative to the fastest other tool (a picture alone: to gdk-pixbuf-thumbnailer, and
# to djpeg); the load of the machine before and after.
#
# Usage: bench_dovalin.sh [path/to/dovalin]   (default: build/bin/dovalin)
# Builds nothing: build the project first (a Release build gives the real figures).
# Environment: COUNT (JPEGs, default 40), PNGS (default 4), ROUNDS (runs of each, the
# median kept, default 5; SINGLE_ROUNDS for each JPEG alone, default 15), WORK (folder
# kept between runs), BEFORE (another Dovalin, e.g. a build of an older version,
# measured beside this one).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
dovalin="${1:-$repo/build/bin/dovalin}"
before="${BEFORE:-}"
count="${COUNT:-40}"
pngs="${PNGS:-4}"
rounds="${ROUNDS:-5}"
single_rounds="${SINGLE_ROUNDS:-15}"
box=256

for program in "$dovalin" ${before:+"$before"}; do
    if [ ! -x "$program" ]; then
        echo "No Dovalin at $program: build the project first, or name the program." >&2
        exit 1
    fi
done

source "$here/../support/bench_tools.sh"
install_tools libvips-tools libgdk-pixbuf2.0-bin libjpeg-turbo-progs

work="${WORK:-$(mktemp -d /tmp/bench_dovalin.XXXXXX)}"
trap '[ -z "${WORK:-}" ] && rm -rf "$work"' EXIT
mkdir -p "$work/pictures"

# Photo-like pictures: smooth shading with fine grain, so the JPEG carries detail
# as a camera picture does (about as many bytes per pixel).
if [ ! -f "$work/source.jpg" ] || [ ! -f "$work/source.png" ]; then
    echo "Making pictures of 6000 x 4000 pixels in $work"
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
      vips pngsave photo.v source.png
      rm -f ./*.v )
fi
if [ ! -f "$work/source-420.jpg" ]; then
    # Below quality 90 the JPEG saver halves the colour resolution.
    vips jpegsave "$work/source.png" "$work/source-420.jpg" --Q 85
fi
if [ ! -f "$work/source-progressive.jpg" ]; then
    vips jpegsave "$work/source.png" "$work/source-progressive.jpg" --Q 85 --interlace
fi
rm -f "$work"/pictures/*
for i in $(seq -w 1 "$count"); do
    cp "$work/source.jpg" "$work/pictures/photo$i.jpg"
done
for i in $(seq 1 "$pngs"); do
    cp "$work/source.png" "$work/pictures/still$i.png"
done
cp "$work/source-420.jpg" "$work/camera.jpg"
cp "$work/source-progressive.jpg" "$work/progressive.jpg"
jpegs=("$work"/pictures/*.jpg)
mixed=("$work"/pictures/*)
single=("${jpegs[0]}")
single420=("$work/camera.jpg")
progressive=("$work/progressive.jpg")

# write_job NAME PICTURE...: a Dovalin job for the pictures, as the image client writes it.
write_job() {
    local name=$1 picture key
    shift
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo '<!DOCTYPE Dovalin-Data>'
        echo '<Root>'
        echo "    <List outputPath=\"$work/out-dovalin\">"
        for picture in "$@"; do
            key="$(basename "$picture")"
            echo "        <Item filePath=\"$picture\" thumbName=\"$key.\" thumbFormat=\"PNG\" key=\"$key\"" \
                 "thumbWidth=\"$box\" thumbHeight=\"$box\" photoBorder=\"8\"/>"
        done
        echo '    </List>'
        echo '</Root>'
    } > "$work/$name.dat"
}
write_job jpegs "${jpegs[@]}"
write_job mixed "${mixed[@]}"
write_job single "${single[@]}"
write_job single420 "${single420[@]}"
write_job progressive "${progressive[@]}"

# The run_TOOL functions work on the set named by $set (jpegs, mixed, single, single420 or
# progressive).
set_pictures() {
    local list="$set[@]"
    pictures=("${!list}")
}

dovalin_run() {
    rm -rf "$work/out-dovalin"
    # In the environment as the client starts it, without a process in between: an
    # env(1) run would be counted as Dovalin's start-up, which the other tools do not pay.
    local figures made
    figures=$(QT_QPA_PLATFORM=offscreen measure "$1" "$work/$set.dat")
    # Counted before the figures are handed on: the caller reads them and goes on to
    # the next run, which clears the folder.
    made=$(find "$work/out-dovalin" -maxdepth 1 -type f | wc -l)
    [ "$made" -eq "${#pictures[@]}" ] || { echo "$1 made $made of ${#pictures[@]} thumbnails" >&2; exit 1; }
    echo "$figures"
}
run_dovalin() { set_pictures; dovalin_run "$dovalin"; }
# Its own JPEG decoder switched off: the image reader's, libjpeg-turbo decoding at an
# eighth in the transform, in the process itself.
run_reader() { set_pictures; DOVALIN_NO_OWN_JPEG_DECODER=1 dovalin_run "$dovalin"; }
run_before() { set_pictures; dovalin_run "$before"; }

run_vips() {
    set_pictures
    rm -rf "$work/out-vips" && mkdir -p "$work/out-vips"
    measure vipsthumbnail --size "${box}x${box}" -o "$work/out-vips/%s.png" "${pictures[@]}"
}

# gdk-pixbuf-thumbnailer takes one picture per run: total time, largest run.
run_pixbuf() {
    set_pictures
    rm -rf "$work/out-pixbuf" && mkdir -p "$work/out-pixbuf"
    local total=0 largest=0 seconds kilobytes picture
    for picture in "${pictures[@]}"; do
        read -r seconds kilobytes < <(measure gdk-pixbuf-thumbnailer -s "$box" "$picture" "$work/out-pixbuf/$(basename "$picture").png")
        total=$(echo "$total + $seconds" | bc -l)
        [ "$kilobytes" -gt "$largest" ] && largest=$kilobytes
    done
    echo "$total $largest"
}

# djpeg only decodes, at an eighth, and writes the pixels nowhere.
run_djpeg() {
    set_pictures
    measure djpeg -scale 1/8 -outfile /dev/null "${pictures[0]}"
}

cat "${mixed[@]}" "${single420[@]}" "${progressive[@]}" > /dev/null # all tools start from a warm file cache

tools=(dovalin vips pixbuf)
[ -n "$before" ] && tools=(dovalin before vips pixbuf)
load_before=$(load_line)
declare -A median peak seconds_of peak_of
for set in jpegs mixed single single420 progressive; do
    if [[ $set = jpegs || $set = mixed ]]; then
        median_of "$rounds" "${tools[@]}"
        set_tools=("${tools[@]}")
    else
        median_of "$single_rounds" "${tools[@]}" reader djpeg
        set_tools=("${tools[@]}" reader djpeg)
    fi
    for tool in "${set_tools[@]}"; do
        seconds_of[$set/$tool]=${median[$tool]}
        peak_of[$set/$tool]=${peak[$tool]}
    done
done
load_after=$(load_line)

# Dovalin decodes on as many threads as the machine has cores, at most 8 and at most
# one per picture.
cores=$(nproc)
threads_for() { local n=$1; (( n > cores )) && n=$cores; (( n > 8 )) && n=8; echo "$n"; }

label_of() {
    case $1 in
        dovalin) echo "dovalin" ;;
        before) echo "dovalin (before)" ;;
        vips) echo "vipsthumbnail" ;;
        pixbuf) echo "gdk-pixbuf-thumbnailer" ;;
        reader) echo "dovalin, image reader" ;;
        djpeg) echo "djpeg -scale 1/8" ;;
    esac
}

ratio_of() { printf '%.2f' "$(echo "$1 / $2" | bc -l)"; }

report() {
    local set=$1 title=$2 pictures_in_set=$3 target=$4 rounds=$5
    local threads fastest tool per_thread ratio list=("${tools[@]}")
    [[ -n "${seconds_of[$set/djpeg]:-}" ]] && list+=(reader djpeg)
    threads=$(threads_for "$pictures_in_set")
    fastest=$(printf '%s\n' "${seconds_of[$set/vips]}" "${seconds_of[$set/pixbuf]}" | sort -g | head -1)
    echo
    echo "$title (median of $rounds runs)"
    printf '%-24s %12s %12s %16s %10s\n' "tool" "ms per batch" "peak RSS MB" "MB per thread" "ratio"
    for tool in "${list[@]}"; do
        per_thread="-"
        ratio="-"
        case $tool in
            dovalin|before|reader)
                ratio=$(ratio_of "${seconds_of[$set/$tool]}" "$fastest")
                per_thread=$(printf '%.1f' "$(echo "${peak_of[$set/$tool]} / 1024 / $threads" | bc -l)")
                ;;
        esac
        printf '%-24s %12.0f %12.1f %16s %10s\n' "$(label_of "$tool")" \
            "$(echo "${seconds_of[$set/$tool]} * 1000" | bc -l)" \
            "$(echo "${peak_of[$set/$tool]} / 1024" | bc -l)" "$per_thread" "$ratio"
    done
    if [[ -n "${seconds_of[$set/djpeg]:-}" ]]; then
        echo "dovalin / gdk-pixbuf-thumbnailer $(ratio_of "${seconds_of[$set/dovalin]}" "${seconds_of[$set/pixbuf]}")" \
             "(target at most $target), dovalin / djpeg $(ratio_of "${seconds_of[$set/dovalin]}" "${seconds_of[$set/djpeg]}")"
        echo "own decoder / image reader $(ratio_of "${seconds_of[$set/dovalin]}" "${seconds_of[$set/reader]}")," \
             "image reader / gdk-pixbuf-thumbnailer $(ratio_of "${seconds_of[$set/reader]}" "${seconds_of[$set/pixbuf]}")"
    else
        echo "target: dovalin / fastest other at most $target"
    fi
    echo "at most 64 MB per decoding thread ($threads threads)"
}

# Figures of one machine say little of another: the processor and its load go with them.
cpu=$(sed -n 's/^model name[[:space:]]*:[[:space:]]*//p' /proc/cpuinfo | head -n 1)
echo "Thumbnails into a $box-pixel box, 6000 x 4000 pixels each"
echo "Machine: ${cpu:-unknown processor}, $cores cores"
echo "Before: $load_before"
echo "After:  $load_after"
report jpegs "A batch of $count JPEGs" "$count" 0.5 "$rounds"
report mixed "A batch of $count JPEGs and $pngs PNGs" "${#mixed[@]}" 0.5 "$rounds"
report single "One JPEG alone" 1 1.0 "$single_rounds"
report single420 "One 4:2:0 JPEG alone" 1 1.0 "$single_rounds"
report progressive "One progressive 4:2:0 JPEG alone" 1 1.0 "$single_rounds"
