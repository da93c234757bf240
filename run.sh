#!/usr/bin/env bash
# Installs what the build needs, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2" >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)"
echo "Built. The editor does not exist yet; nothing to start."
