#!/usr/bin/env bash
# Renders the application icon, data/icons/quorvel.svg, to the PNG sizes kept
# beside it: the window icon compiled into the programs (Qt reads PNG without
# its SVG module) and the fixed sizes installed for desktops. Run it after
# changing the SVG; it needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"

for size in 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" quorvel.svg --output "quorvel-$size.png"
done
