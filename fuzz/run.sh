#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer and runs
# each for SECONDS seconds (default 60), one after the other.
#   fuzz/run.sh [SECONDS]
# A target NAME.dict beside NAME.cpp is its dictionary.
# The build goes to build/fuzz (TESSEL_FUZZ_BUILD overrides it), the growing corpus of each
# target to fuzz/corpus-work/NAME (seeded from fuzz/corpus/NAME), and inputs that crash to
# BUILD/findings/NAME/. The exit status is non-zero when a target found something.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSEL_FUZZ_BUILD:-$root/build/fuzz}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DTESSEL_FUZZ=ON \
  -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF -DTESSEL_BUILD_GUI=OFF >/dev/null

targets=()
for source in "$root"/fuzz/*.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
cmake --build "$build" -j"${TESSEL_FUZZ_JOBS:-1}" --target "${targets[@]/#/fuzz_}"

status=0
for name in "${targets[@]}"; do
  work="$root/fuzz/corpus-work/$name"
  findings="$build/findings/$name"
  mkdir -p "$work" "$findings"
  options=()
  if [[ -f "$root/fuzz/$name.dict" ]]; then options+=(-dict="$root/fuzz/$name.dict"); fi
  echo "== $name: $seconds s"
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=70000 -print_final_stats=1 \
    -artifact_prefix="$findings/" "${options[@]}" "$work" "$root/fuzz/corpus/$name" || status=1
done
exit $status
