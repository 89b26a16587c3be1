#!/usr/bin/env bash
# Installs, builds and runs every test: the normal build, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/install-deps.sh
bash scripts/build.sh build
(cd build && ctest --output-on-failure -j2)
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DSQUADRANT_SANITIZE=ON
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)
