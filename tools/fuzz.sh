#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time from the committed seed corpus.
#   tools/fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=${1:-build/fuzz}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
for target in numbers table; do
  work="$build/corpus-$target"
  mkdir -p "$work" "$build/artifacts"
  cp -n "$root/fuzz/corpus/$target"/* "$work"/ 2>/dev/null || true
  echo "== fuzz_$target for ${seconds}s"
  "$build/fuzz/fuzz_$target" "$work" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" -max_len=4096 -len_control=0
done
