#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-test/, and runs every test: x11-labelled ones each under an Xvfb of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

install_missing "${VORENDA_PACKAGES[@]}" "${VORENDA_TEST_PACKAGES[@]}"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVORENDA_SANITIZE=ON -DVORENDA_BENCH=OFF >/dev/null
cmake --build build-test --parallel "$(nproc)"

cd build-test
# Those that need X bring an X server of their own, so every test can run side by side.
ctest --output-on-failure --parallel "$(nproc)"
