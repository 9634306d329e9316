#!/usr/bin/env bash
# Remakes every picture in docs/screenshots/: both main windows, each tab page
# and each side window, shown in a real X server (Xvfb, 1366 x 768) and
# grabbed by the screenshot tests. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh xvfb xauth
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)" --target gui_tests
mkdir -p docs/screenshots
QT_QPA_PLATFORM=xcb QUORVEL_SCREENSHOT_DIR="$PWD/docs/screenshots" \
  xvfb-run -a -s "-screen 0 1366x768x24" \
  ./build/dev/tests/gui/gui_tests --gtest_filter='Screenshots*'
echo "Screenshots written to docs/screenshots/"
