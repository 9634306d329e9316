#!/usr/bin/env bash
# Installs what is missing, builds everything (debug, warnings as errors, with
# coverage counters), runs every test and prints the line and branch coverage
# of the core (the windows in app/qt, the tests, benchmarks and fuzz targets
# left out); the figures per file are in build/coverage/coverage.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake --preset coverage >/dev/null
cmake --build --preset coverage -j"$(nproc)"
find build/coverage -name '*.gcda' -delete  # count this run only
ctest --preset coverage -j"$(nproc)"

# Branches that only throw or that the compiler cannot reach would hide the
# decisions the code makes. CMakeFiles holds CMake's own compiler probes.
gcovr --root . --object-directory build/coverage -j "$(nproc)" \
  --exclude-directories 'build/coverage/CMakeFiles' \
  --exclude 'app/qt/' --exclude 'tests/' --exclude 'bench/' --exclude 'fuzz/' --exclude 'build/' \
  --exclude 'cli/main\.cpp' \
  --exclude-throw-branches --exclude-unreachable-branches \
  --print-summary -o build/coverage/coverage.txt build/coverage
