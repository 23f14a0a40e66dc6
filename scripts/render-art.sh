#!/usr/bin/env bash
# Renders the program's icons and logo banner from their SVG sources into the
# PNGs that the build compiles in; run it after changing an SVG and commit both.
# A developer tool, not a build step: needs rsvg-convert (Debian: librsvg2-bin)
# and, for the banner's wordmark, the DejaVu Sans font (fonts-dejavu-core).
set -euo pipefail
cd "$(dirname "$0")/../src/resources/art"

command -v rsvg-convert >/dev/null || {
  echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
  exit 1
}
fc-list 2>/dev/null | grep -q 'DejaVu Sans' || {
  echo "the DejaVu Sans font is missing: apt-get install fonts-dejavu-core" >&2
  exit 1
}

# render <svg> <width> <height> <png>
render() {
  rsvg-convert --width "$2" --height "$3" --output "png/$4" "$1"
}

# The large drawing serves 256, 48 and 32 pixels; 24 and 16 have drawings of
# their own, laid on their pixel grid so that they stay sharp.
for icon in program-icon document-icon; do
  for size in 256 48 32; do
    render "$icon.svg" "$size" "$size" "$icon-$size.png"
  done
  for size in 24 16; do
    render "$icon-$size.svg" "$size" "$size" "$icon-$size.png"
  done
done
render logo-banner.svg 249 36 logo-banner.png
