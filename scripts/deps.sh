#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, once, and any
# further packages named as arguments (the developer scripts use that). The reader
# window needs no more at run time than Qt's libraries, which bring the X11 platform
# plugin, and the Noto fonts, which draw all seven languages, Japanese included.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config ccache googletest libgtest-dev
          libbenchmark-dev clang libclang-rt-14-dev
          qt6-base-dev libgl-dev fonts-liberation2 fonts-noto-core fonts-noto-cjk "$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
