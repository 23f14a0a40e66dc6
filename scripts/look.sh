#!/usr/bin/env bash
# Renders every dialog template of every language to PNG files under
# build/look/, as the windows build them, on a virtual X display.
# A developer tool: installs Xvfb and the Noto fonts (Latin and CJK) when they
# are missing, builds quiralis-look in build/look-build and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(xvfb xauth fonts-noto-core fonts-noto-cjk)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

build=build/look-build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQMX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target quiralis-look

rm -rf build/look
export XDG_RUNTIME_DIR="$PWD/$build/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
xvfb-run --auto-servernum --server-args='-screen 0 1280x1024x24' \
  env QT_QPA_PLATFORM=xcb "$build/app/look/quiralis-look" --all build/look
