#!/usr/bin/env bash
# Installs what is missing (clang and its libFuzzer runtime too), builds the
# fuzz preset and runs every fuzz target from a copy of its seed corpus, so the
# corpus in the repository never grows. The targets share the given seconds
# (default 240) evenly, at least one second each, so a new target does not
# lengthen the run.
# A crash, leak, timeout (over 1 s for one input), memory blow-up or sanitizer
# report fails the script; the input that did it is kept in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

total="${1:-240}"
case "$total" in
  '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [total-seconds]" >&2; exit 2 ;;
esac

# libclang-rt-dev carries libFuzzer for Debian's default clang.
./scripts/setup.sh clang libclang-rt-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

build=build/fuzz
artifacts="$build/artifacts"
mkdir -p "$artifacts"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

targets=$(grep -c . "$build/fuzz-targets.txt")
seconds=$((total / targets))
[ "$seconds" -ge 1 ] || seconds=1
echo "Fuzzing $targets targets for $seconds s each"

failed=()
while read -r name; do
  [ -n "$name" ] || continue
  corpus="$work/corpus-$name"
  mkdir -p "$corpus"
  if [ -d "fuzz/corpus/$name" ]; then cp -R "fuzz/corpus/$name/." "$corpus/"; fi
  log="$work/$name.log"
  if "$build/bin/fuzz_$name" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts/$name-" "$corpus" >"$log" 2>&1; then
    echo "fuzz_$name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log" || echo done)"
  else
    echo "fuzz_$name FAILED; the end of its output:"
    tail -n 60 "$log"
    failed+=("$name")
  fi
done <"$build/fuzz-targets.txt"

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing failed: ${failed[*]} (inputs in $artifacts/)"
  exit 1
fi
echo "Fuzzing passed"
