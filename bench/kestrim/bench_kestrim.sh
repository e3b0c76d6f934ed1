#!/usr/bin/env bash
# Kestrim against wkhtmltoimage (the same web engine) and headless Chromium.
# First the two ratios that count, each the ratio of medians of interleaved
# rounds (Kestrim and wkhtmltoimage take turns, each round in the other order):
# one page alone, and 10 pages four at once (Kestrim: one job file, maxPages 4;
# wkhtmltoimage: a fresh process per page, four at a time). The processor and
# the load average are printed with them.
# Then twenty local pages rendered at 1100x825 into 256-pixel thumbnails, one
# page at a time and with 2 and 5 at once: seconds per page (best of three
# runs), peak memory (summed proportional set size of each tool's processes)
# and Kestrim's ratio to the fastest; then a page with a stalled sub-resource,
# which must not hang.
#
# Usage: bench_kestrim.sh [path/to/kestrim]   (a release build is the fair one)
# Environment: ROUNDS (interleaved rounds per ratio, default 9); BUSY=1 keeps
# one busy loop per core running during the ratios; RATIOS_ONLY=1 stops after them.
# Installs wkhtmltopdf and chromium when missing (apt-get, needs root or sudo).
set -u

here=$(cd "$(dirname "$0")" && pwd)
kestrim=${1:-}
if [ -z "$kestrim" ]; then
    for candidate in "$here"/../../build*/bin/kestrim; do
        [ -x "$candidate" ] && kestrim=$candidate
    done
fi
[ -x "$kestrim" ] || { echo "kestrim not found; pass its path" >&2; exit 1; }

install_tools() {
    local missing=()
    command -v wkhtmltoimage >/dev/null || missing+=(wkhtmltopdf)
    command -v chromium >/dev/null || missing+=(chromium)
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing for the comparison: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null \
        || { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null &&
             "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null; }
}
install_tools

work=$(mktemp -d)
stall_pid=
busy_pids=()
stop_busy() {
    [ ${#busy_pids[@]} -gt 0 ] && kill "${busy_pids[@]}" 2>/dev/null
    busy_pids=()
}
cleanup() {
    stop_busy
    [ -n "$stall_pid" ] && kill "$stall_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

PAGES=20
REPEAT=3             # runs per figure for Kestrim and wkhtmltoimage (Chromium runs once: it is slow)
DELAY=200            # script delay before the snapshot: wkhtmltoimage's default, given to Kestrim too
SCALE=0.232727       # 1100 -> 256
export QT_QPA_PLATFORM=offscreen

# Twenty pages of different kinds: text, tables, gradients, SVG, a canvas drawn by script.
make_pages() {
    mkdir -p "$work/pages"
    local n
    for n in $(seq 1 $PAGES); do
        local hue=$(( n * 37 % 360 ))
        {
            echo "<!DOCTYPE html><html><head><meta charset='utf-8'><title>Page $n</title><style>"
            echo "body{font-family:DejaVu Sans,sans-serif;margin:0;background:linear-gradient(hsl($hue,60%,92%),#fff)}"
            echo "header{background:hsl($hue,55%,40%);color:#fff;padding:24px 40px;font-size:34px}"
            echo "main{display:flex;gap:24px;padding:24px 40px}section{flex:2}aside{flex:1;background:#fff;border-radius:12px;box-shadow:0 4px 16px rgba(0,0,0,.2);padding:16px}"
            echo "td,th{border:1px solid #bbb;padding:4px 8px}table{border-collapse:collapse;margin-top:12px}"
            echo "</style></head><body><header>Sample page $n &mdash; rendering benchmark</header><main><section>"
            local p
            for p in $(seq 1 $(( 3 + n % 4 ))); do
                echo "<p>Paragraph $p of page $n. The quick brown fox jumps over the lazy dog; pack my box with five dozen liquor jugs. Sphinx of black quartz, judge my vow. How vexingly quick daft zebras jump.</p>"
            done
            echo "<table><tr><th>Item</th><th>Count</th><th>Share</th></tr>"
            local r
            for r in $(seq 1 $(( 4 + n % 6 ))); do echo "<tr><td>Row $r</td><td>$(( r * n ))</td><td>$(( (r * 13 + n) % 100 ))%</td></tr>"; done
            echo "</table></section><aside><svg width='260' height='160'>"
            echo "<circle cx='80' cy='80' r='60' fill='hsl($(( (hue + 120) % 360 )),70%,50%)'/><rect x='140' y='30' width='100' height='100' rx='16' fill='hsl($(( (hue + 240) % 360 )),70%,50%)'/></svg>"
            echo "<canvas id='c' width='260' height='120'></canvas><ul><li>First point</li><li>Second point</li><li>Third point</li></ul></aside></main>"
            echo "<script>var g=document.getElementById('c').getContext('2d');for(var i=0;i<40;i++){g.fillStyle='hsla('+(i*9+$hue)+',70%,50%,.6)';g.fillRect(i*6,60-Math.sin(i/4)*50,14,14);}</script>"
            echo "</body></html>"
        } > "$work/pages/page$n.html"
    done
}

# Summed proportional set size (kB) of a process and its descendants, in two
# processes per sample so that sampling stays cheap.
tree_pss() {
    ps -e -o pid=,ppid= | awk -v root="$1" '
        { parent[$1] = $2 }
        END {
            for (pid in parent) {
                p = pid
                while (p != "" && p != 0 && p != root) p = parent[p]
                if (p == root) {
                    file = "/proc/" pid "/smaps_rollup"
                    while ((getline line < file) > 0)
                        if (line ~ /^Pss:/) { split(line, f, " "); sum += f[2]; break }
                    close(file)
                }
            }
            print sum + 0
        }'
}

# measure NAME COMMAND...: runs the command, samples its memory; sets SECONDS_TAKEN, PEAK_MB.
measure() {
    local start end peak=0 now
    start=$(date +%s.%N)
    "$@" &
    local pid=$!
    while kill -0 "$pid" 2>/dev/null; do
        now=$(tree_pss "$pid")
        [ "$now" -gt "$peak" ] && peak=$now
        sleep 0.05
    done
    wait "$pid"
    end=$(date +%s.%N)
    SECONDS_TAKEN=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
    PEAK_MB=$(( peak / 1024 ))
}

run_kestrim() {  # parallel
    local out="$work/out-kestrim-$1" job="$work/kestrim-$1.dat" n
    rm -rf "$out"
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo '<!DOCTYPE Kestrim-Data>'
        echo "<Root><List outputPath=\"$out\" delay=\"$DELAY\" maxPages=\"$1\">"
        for n in $(seq 1 $PAGES); do
            echo "<Item url=\"$work/pages/page$n.html\" thumbName=\"page$n.png\" thumbFormat=\"PNG\" key=\"page$n\" pageWidth=\"1100\" pageHeight=\"825\" thumbWidth=\"256\" thumbHeight=\"256\"/>"
        done
        echo "</List></Root>"
    } > "$job"
    "$kestrim" "$job" > "$work/kestrim-$1.lines"
}

wkhtml_one() {
    wkhtmltoimage --quiet --width 256 --height 192 --zoom "$SCALE" \
        --javascript-delay "$DELAY" "$1" "$2" >/dev/null 2>&1
}
run_wkhtml() {
    local out="$work/out-wkhtml-$1" n
    rm -rf "$out"; mkdir -p "$out"
    export -f wkhtml_one; export SCALE DELAY
    for n in $(seq 1 $PAGES); do echo "$work/pages/page$n.html $out/page$n.png"; done |
        xargs -P "$1" -n 2 bash -c 'wkhtml_one "$0" "$1"'
}

chromium_one() {
    local profile
    profile=$(mktemp -d)
    chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
        --disable-component-update --disable-sync --user-data-dir="$profile" --hide-scrollbars \
        --window-size=1100,825 --screenshot="$2" "file://$1" >/dev/null 2>&1
    rm -rf "$profile"
}
run_chromium() {
    local out="$work/out-chromium-$1" n
    rm -rf "$out"; mkdir -p "$out"
    export -f chromium_one
    for n in $(seq 1 $PAGES); do echo "$work/pages/page$n.html $out/page$n.png"; done |
        xargs -P "$1" -n 2 bash -c 'chromium_one "$0" "$1"'
}

count_pngs() { find "$1" -name '*.png' -size +0 2>/dev/null | wc -l; }

# The ratios that count: interleaved rounds, ratio of the medians.
ROUNDS=${ROUNDS:-9}
elapsed() {  # COMMAND...: prints the seconds the command took
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}
median() { printf "%s\n" "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
kestrim_pages() {  # COUNT PARALLEL
    local out="$work/out-ratio-kestrim" job="$work/ratio-$1-$2.dat" n
    rm -rf "$out"
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo '<!DOCTYPE Kestrim-Data>'
        echo "<Root><List outputPath=\"$out\" delay=\"$DELAY\" maxPages=\"$2\">"
        for n in $(seq 1 "$1"); do
            echo "<Item url=\"$work/pages/page$n.html\" thumbName=\"page$n.png\" thumbFormat=\"PNG\" key=\"page$n\" pageWidth=\"1100\" pageHeight=\"825\" thumbWidth=\"256\" thumbHeight=\"256\"/>"
        done
        echo "</List></Root>"
    } > "$job"
    "$kestrim" "$job" > "$work/ratio.lines"
    [ "$(grep -c . "$work/ratio.lines")" -ge "$1" ] || echo "kestrim made $(grep -c . "$work/ratio.lines") of $1 thumbnails" >&2
}
wkhtml_pages() {  # COUNT PARALLEL
    local out="$work/out-ratio-wkhtml" n
    rm -rf "$out"; mkdir -p "$out"
    export -f wkhtml_one; export SCALE DELAY
    for n in $(seq 1 "$1"); do echo "$work/pages/page$n.html $out/page$n.png"; done |
        xargs -P "$2" -n 2 bash -c 'wkhtml_one "$0" "$1"'
}
ratio_of_medians() {  # LABEL COUNT PARALLEL
    local kestrim_times=() wkhtml_times=() round k w
    echo "$1 — load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
    for round in $(seq 1 "$ROUNDS"); do
        if [ $((round % 2)) -eq 1 ]; then
            k=$(elapsed kestrim_pages "$2" "$3"); w=$(elapsed wkhtml_pages "$2" "$3")
        else
            w=$(elapsed wkhtml_pages "$2" "$3"); k=$(elapsed kestrim_pages "$2" "$3")
        fi
        kestrim_times+=("$k"); wkhtml_times+=("$w")
        printf "  round %2d  kestrim %6.3f s  wkhtmltoimage %6.3f s  load %s\n" "$round" "$k" "$w" "$(cut -d' ' -f1 /proc/loadavg)"
    done
    k=$(median "${kestrim_times[@]}"); w=$(median "${wkhtml_times[@]}")
    printf "  median    kestrim %6.3f s  wkhtmltoimage %6.3f s  ratio %.2f  (load average after: %s)\n" \
        "$k" "$w" "$(awk -v k="$k" -v w="$w" 'BEGIN { print k / w }')" "$(cut -d' ' -f1-3 /proc/loadavg)"
}

make_pages
echo "CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) usable cores"
echo "Kestrim: $kestrim"
echo "wkhtmltoimage: $(wkhtmltoimage --version 2>/dev/null | head -1)"
echo "Chromium: $(chromium --version 2>/dev/null | head -1)"
echo "$PAGES local pages at 1100x825. Kestrim scales into 256x256, wkhtmltoimage renders at zoom $SCALE into"
echo "256x192; Chromium cannot scale below half size and saves the full 1100x825 screenshot (its scaling is not"
echo "counted). Script delay $DELAY ms for Kestrim and wkhtmltoimage; Chromium shoots at load, with a fresh profile."
echo
if [ "${BUSY:-0}" = 1 ]; then
    for _ in $(seq 1 "$(nproc)"); do (while :; do :; done) & busy_pids+=($!); done
    echo "Busy: $(nproc) busy loops run during the ratios."
fi
echo "Ratios of medians over $ROUNDS interleaved rounds (Kestrim / wkhtmltoimage), script delay $DELAY ms:"
ratio_of_medians "One page alone" 1 1
ratio_of_medians "10 pages four at once" 10 4
stop_busy
[ "${RATIOS_ONLY:-0}" = 1 ] && exit 0
echo

printf "%-9s %-15s %9s %9s %8s %s\n" "parallel" "tool" "s/page" "peak MB" "thumbs" "ratio (Kestrim / fastest)"
for parallel in 1 2 5; do
    declare -A per_page=()
    for tool in kestrim wkhtmltoimage chromium; do
        # Best time and highest peak of a few runs, so that a busy machine weighs less.
        runs=$REPEAT; [ $tool = chromium ] && runs=1
        best= ; most=0
        for _ in $(seq 1 $runs); do
            case $tool in
                kestrim) measure run_kestrim "$parallel"; made=$(count_pngs "$work/out-kestrim-$parallel") ;;
                wkhtmltoimage) measure run_wkhtml "$parallel"; made=$(count_pngs "$work/out-wkhtml-$parallel") ;;
                chromium) measure run_chromium "$parallel"; made=$(count_pngs "$work/out-chromium-$parallel") ;;
            esac
            if [ -z "$best" ] || awk -v a="$SECONDS_TAKEN" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$SECONDS_TAKEN; fi
            [ "$PEAK_MB" -gt "$most" ] && most=$PEAK_MB
        done
        per_page[$tool]=$(awk -v t="$best" -v n="$PAGES" 'BEGIN { print t / n }')
        printf "%-9s %-15s %9.3f %9d %8s\n" "$parallel" "$tool" "${per_page[$tool]}" "$most" "$made/$PAGES"
    done
    fastest=$(printf "%s\n" "${per_page[@]}" | sort -g | head -1)
    printf "%-9s %-15s %9s %9s %8s %.2f\n" "$parallel" "ratio" "" "" "" "$(awk -v k="${per_page[kestrim]}" -v f="$fastest" 'BEGIN { print k / f }')"
    unset per_page
done

# A page whose picture comes from a server that accepts and never answers.
echo
echo "Stalled sub-resource (a picture from a server that never answers), beside one plain page:"
if ! command -v python3 >/dev/null; then
    echo "  skipped: python3 is needed for the stalled server"
    exit 0
fi
python3 - "$work/stall.port" <<'PY' &
import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(64)
open(sys.argv[1], "w").write(str(s.getsockname()[1]))
held = []
while True:
    c, _ = s.accept(); held.append(c)
PY
stall_pid=$!
for _ in $(seq 1 50); do [ -s "$work/stall.port" ] && break; sleep 0.1; done
port=$(cat "$work/stall.port")
cat > "$work/pages/stalled.html" <<HTML
<html><body style="background:#cde"><h1>Waiting for a picture</h1><img src="http://127.0.0.1:$port/never.png"></body></html>
HTML
LIMIT=60
{
    echo '<?xml version="1.0" encoding="UTF-8"?><!DOCTYPE Kestrim-Data>'
    echo "<Root><List outputPath=\"$work/out-stalled\" delay=\"$DELAY\" maxPages=\"2\">"
    echo "<Item url=\"$work/pages/stalled.html\" thumbName=\"stalled.png\" thumbFormat=\"PNG\" key=\"stalled\" pageWidth=\"1100\" pageHeight=\"825\" thumbWidth=\"256\" thumbHeight=\"256\"/>"
    echo "<Item url=\"$work/pages/page1.html\" thumbName=\"plain.png\" thumbFormat=\"PNG\" key=\"plain\" pageWidth=\"1100\" pageHeight=\"825\" thumbWidth=\"256\" thumbHeight=\"256\"/>"
    echo "</List></Root>"
} > "$work/stalled.dat"
start=$(date +%s.%N)
timeout "$LIMIT" "$kestrim" "$work/stalled.dat" > "$work/stalled.lines"; status=$?
took=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
printf "  %-15s ended after %5.1f s (exit %d); lines: %s\n" kestrim "$took" "$status" "$(tr '\n' ' ' < "$work/stalled.lines")"
for tool in wkhtmltoimage chromium; do
    start=$(date +%s.%N)
    if [ $tool = wkhtmltoimage ]; then
        timeout "$LIMIT" wkhtmltoimage --quiet --width 1100 --height 825 "$work/pages/stalled.html" "$work/stalled-wk.png" >/dev/null 2>&1
    else
        profile=$(mktemp -d)
        timeout "$LIMIT" chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
            --disable-component-update --disable-sync --user-data-dir="$profile" --window-size=1100,825 \
            --screenshot="$work/stalled-ch.png" "file://$work/pages/stalled.html" >/dev/null 2>&1
        rm -rf "$profile"
    fi
    status=$?
    took=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
    if awk -v t="$took" -v l="$LIMIT" 'BEGIN { exit !(t >= l - 0.5) }'; then
        verdict="still hanging, killed"
    else
        verdict="ended (exit $status)"
    fi
    printf "  %-15s %s after %5.1f s\n" "$tool" "$verdict" "$took"
done
