#!/usr/bin/env bash
# Installs what is missing, builds Vorenda and its thumbnail helpers in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "vorenda: no display to show on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session." >&2
    exit 1
fi

install_missing "${VORENDA_PACKAGES[@]}"
# The programs only: no tests, no benchmarks. Built with Ninja, which finds an unchanged
# tree in a blink. Configured once; a build configures again by itself when a
# CMakeLists.txt changes.
cache=build/CMakeCache.txt
configured=true
for entry in CMAKE_GENERATOR:INTERNAL=Ninja CMAKE_BUILD_TYPE:STRING=RelWithDebInfo \
             VORENDA_TESTS:BOOL=OFF VORENDA_BENCH:BOOL=OFF; do
    grep -qxF "$entry" "$cache" 2>/dev/null || configured=false
done
if [ "$configured" = false ]; then
    # A folder configured for another generator starts afresh.
    grep -qxF CMAKE_GENERATOR:INTERNAL=Ninja "$cache" 2>/dev/null || rm -rf "$cache" build/CMakeFiles
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE:STRING=RelWithDebInfo \
        -DVORENDA_TESTS:BOOL=OFF -DVORENDA_BENCH:BOOL=OFF >/dev/null
fi
# Everything the build makes: vorenda and the helpers it starts from its own folder.
cmake --build build
exec build/bin/vorenda "$@"
