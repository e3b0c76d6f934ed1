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
# The programs only: no tests, no benchmarks. Configured once; a build configures
# again by itself when a CMakeLists.txt changes.
settings=(-DCMAKE_BUILD_TYPE:STRING=RelWithDebInfo -DVORENDA_TESTS:BOOL=OFF -DVORENDA_BENCH:BOOL=OFF)
configured=true
for setting in "${settings[@]}"; do
    grep -qxF -- "${setting#-D}" build/CMakeCache.txt 2>/dev/null || configured=false
done
if [ "$configured" = false ]; then
    cmake -S . -B build "${settings[@]}" >/dev/null
fi
# Everything the build makes: vorenda and the helpers it starts from its own folder.
cmake --build build --parallel "$(nproc)"
exec build/bin/vorenda "$@"
