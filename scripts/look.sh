#!/usr/bin/env bash
# Renders every dialog template of every language to PNG files under
# build/look/, as the windows build them, on a virtual X display.
# A developer tool: installs Xvfb and the Noto fonts (Latin and CJK) when they
# are missing, builds quiralis-look in build/look-build and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh xvfb xauth fonts-noto-core fonts-noto-cjk

build=build/look-build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQMX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target quiralis-look

rm -rf build/look
export XDG_RUNTIME_DIR="$PWD/$build/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
xvfb-run --auto-servernum --server-args='-screen 0 1280x1024x24' \
  env QT_QPA_PLATFORM=xcb "$build/app/look/quiralis-look" --all build/look
