#!/usr/bin/env bash
# Installs what the build needs, builds a release tree (assertions on) and a
# sanitizer tree, and runs every test in both.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
./scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2" -DCMAKE_C_FLAGS_RELEASE="-O2"
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCINELUME_SANITIZE=ON -DCINELUME_BENCH=OFF
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
(cd build-asan && ctest --output-on-failure -j"$jobs")
