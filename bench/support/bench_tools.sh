# Shell pieces the thumbnail helpers' benchmarks share. Source it; needs $work.

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/packages.sh"

# install_tools PACKAGE...: installs the tools compared against when missing (not
# needed to build or test), and what measure() needs.
install_tools() {
    install_missing time bc "$@" > /dev/null
}

# measure COMMAND...: wall seconds and peak resident kilobytes of one run (its child
# processes included), as "seconds kilobytes"; ends the benchmark when the run fails.
# The clock is the shell's, to the microsecond: time(1) counts in hundredths.
measure() {
    local start=$EPOCHREALTIME
    /usr/bin/time -f "%M" -o "$work/time" "$@" > "$work/output" 2> "$work/errors" || {
        echo "$1 failed:" >&2; cat "$work/errors" >&2; exit 1; }
    local end=$EPOCHREALTIME
    # A locale may write the fraction after a comma.
    echo "$(echo "${end/,/.} - ${start/,/.}" | bc -l) $(cat "$work/time")"
}

# best_of ROUNDS TOOL...: runs "run_TOOL" for each tool, ROUNDS times in turn, and
# keeps in the arrays best (the fastest run's seconds) and peak (the largest resident
# kilobytes of any run). Declare them first: declare -A best peak. (No "test && set"
# as the last command: its false test would be the function's status and end a
# script run with set -e without a word.)
best_of() {
    local rounds=$1 round tool seconds kilobytes
    shift
    for tool in "$@"; do best[$tool]=999999; peak[$tool]=0; done
    for round in $(seq 1 "$rounds"); do
        for tool in "$@"; do
            read -r seconds kilobytes < <("run_$tool")
            if (( $(echo "$seconds < ${best[$tool]}" | bc -l) )); then best[$tool]=$seconds; fi
            if [ "$kilobytes" -gt "${peak[$tool]}" ]; then peak[$tool]=$kilobytes; fi
        done
    done
}

# ms TOOL COUNT: milliseconds per item of the tool's best run; mb TOOL: its peak in MB.
ms() { printf '%.1f' "$(echo "${best[$1]} * 1000 / $2" | bc -l)"; }
mb() { printf '%.1f' "$(echo "${peak[$1]} / 1024" | bc -l)"; }

# measure_cpu COMMAND...: as measure, and the processor seconds of the run (user and
# system, its child processes included) as a third figure.
measure_cpu() {
    local start=$EPOCHREALTIME
    /usr/bin/time -f "%M %U %S" -o "$work/time" "$@" > "$work/output" 2> "$work/errors" || {
        echo "$1 failed:" >&2; cat "$work/errors" >&2; exit 1; }
    local end=$EPOCHREALTIME kilobytes user system
    read -r kilobytes user system < "$work/time"
    echo "$(echo "${end/,/.} - ${start/,/.}" | bc -l) $kilobytes $(echo "$user + $system" | bc -l)"
}

# median NUMBER...: the middle one (the mean of the two middle ones for an even count).
median() {
    local sorted
    mapfile -t sorted < <(printf '%s\n' "$@" | sort -g)
    local n=${#sorted[@]}
    if (( n % 2 )); then
        echo "${sorted[n / 2]}"
    else
        echo "(${sorted[n / 2 - 1]} + ${sorted[n / 2]}) / 2" | bc -l
    fi
}

# machine_line: the processor, its cores and those this shell may use.
machine_line() {
    local cpu
    cpu=$(sed -n 's/^model name[[:space:]]*:[[:space:]]*//p' /proc/cpuinfo | head -n 1)
    echo "Machine: ${cpu:-unknown processor}, $(nproc --all) cores, $(nproc) usable"
}

# median_of ROUNDS TOOL...: as best_of, the tools taking turns in every round, but keeps
# in the array median each tool's median seconds (one slow run on a shared machine
# moves it little), and in peak the largest resident kilobytes.
median_of() {
    local rounds=$1 round tool seconds kilobytes
    shift
    declare -A samples
    for tool in "$@"; do samples[$tool]=""; peak[$tool]=0; done
    for round in $(seq 1 "$rounds"); do
        for tool in "$@"; do
            read -r seconds kilobytes < <("run_$tool")
            samples[$tool]+="$seconds"$'\n'
            if [ "$kilobytes" -gt "${peak[$tool]}" ]; then peak[$tool]=$kilobytes; fi
        done
    done
    for tool in "$@"; do
        median[$tool]=$(printf '%s' "${samples[$tool]}" | sort -g | awk '{ v[NR] = $1 }
            END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    done
}

# load_line: the load averages and the processes running now, for the figures' record.
load_line() {
    local one five fifteen running rest
    read -r one five fifteen running rest < /proc/loadavg
    echo "load $one $five $fifteen (1, 5, 15 min), running/all $running"
}
