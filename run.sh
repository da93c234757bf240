#!/usr/bin/env bash
# Installs what the build needs, builds, registers Vectrel and runs the example script.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2" >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)"
build/bin/vectrel-regsvr build/bin/libvectrel.so
mkdir -p build/example
cp docs/examples/greeting.vbs docs/examples/picture.jpg docs/examples/chime.wav build/example/
(cd build/example && ../bin/vectrel-script greeting.vbs)
echo "The movie went to $(pwd)/build/example/greeting.swf"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/bin/swfplay ]; then
  exec build/bin/swfplay build/example/greeting.swf
fi
echo "Play it with: build/bin/swfplay build/example/greeting.swf"
