#!/usr/bin/env bash
# Installs what is missing, builds the programs in release mode and starts the any-5 program.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target quorvel_any5
exec ./build/release/bin/quorvel_any5 "$@"
