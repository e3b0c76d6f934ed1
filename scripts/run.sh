#!/usr/bin/env bash
# Installs what is missing, builds Vorenda in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "vorenda: no display to show on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session." >&2
    exit 1
fi

install_missing "${VORENDA_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORENDA_TESTS=OFF >/dev/null
cmake --build build --parallel "$(nproc)" --target vorenda
exec build/bin/vorenda "$@"
