# Shell pieces the thumbnail helpers' benchmarks share. Source it; needs $work.

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/packages.sh"

# install_tools PACKAGE...: installs the tools compared against when missing (not
# needed to build or test), and what measure() needs.
install_tools() {
    install_missing time bc "$@" > /dev/null
}

# measure COMMAND...: wall seconds and peak resident kilobytes of one run (its child
# processes included), as "seconds kilobytes"; ends the benchmark when the run fails.
measure() {
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" > "$work/output" 2> "$work/errors" || {
        echo "$1 failed:" >&2; cat "$work/errors" >&2; exit 1; }
    cat "$work/time"
}
