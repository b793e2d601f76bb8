#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, instrumented core library) into ./build-fuzz
# and runs each one for the given time, starting from the checked-in corpus.
#   scripts/fuzz.sh [seconds per target, default 60] [target ...]
# Targets: the fuzz_*.cpp files of fuzz/ (all when none is named). Inputs up to 1 MB.
# New corpus entries go to build-fuzz/corpus/<name>, findings (crashes, leaks,
# timeouts) to build-fuzz/findings/<name>; the checked-in corpus is only read.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

if [ ! -f build-fuzz/CMakeCache.txt ]; then
  CXX=clang++ CC=clang cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPRIMER_FUZZ=ON -DPRIMER_TESTS=OFF -DPRIMER_BENCH=OFF >/dev/null
fi
cmake --build build-fuzz -j"${FUZZ_JOBS:-4}" --target "${targets[@]}"

status=0
for target in "${targets[@]}"; do
  name="${target#fuzz_}"
  work="build-fuzz/corpus/$name"
  findings="build-fuzz/findings/$name"
  mkdir -p "$work" "$findings"
  echo "== $target for ${seconds}s"
  if ! "build-fuzz/fuzz/$target" "$work" "fuzz/corpus/$name" \
      -max_len=1048576 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
      -artifact_prefix="$findings/" -print_final_stats=1; then
    echo "!! $target found a fault: see $findings"
    status=1
  fi
done
exit $status
