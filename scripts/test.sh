#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-test/, and runs every test: x11-labelled ones under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

install_missing "${VORENDA_PACKAGES[@]}" "${VORENDA_TEST_PACKAGES[@]}"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVORENDA_SANITIZE=ON -DVORENDA_BENCH=OFF >/dev/null
cmake --build build-test --parallel "$(nproc)"

cd build-test
status=0
ctest --output-on-failure --parallel "$(nproc)" --label-exclude x11 || status=1
if [ -n "$(ctest --show-only=json-v1 --label-regex x11 | grep -o '"name"' | head -n 1)" ]; then
    xvfb-run -a -s "-screen 0 1440x900x24" ctest --output-on-failure --label-regex x11 || status=1
fi
exit $status
