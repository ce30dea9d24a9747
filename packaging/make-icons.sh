#!/usr/bin/env bash
# Regenerates the PNG icons from icons/koravel.svg (needs rsvg-convert from
# librsvg2-bin). The PNGs are committed, so a build never needs a converter.
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "koravel-$size.png" koravel.svg
done
