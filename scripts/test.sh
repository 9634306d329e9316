#!/usr/bin/env bash
# Installs what is missing, builds everything (debug, warnings as errors) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)"
ctest --preset dev -j"$(nproc)"
