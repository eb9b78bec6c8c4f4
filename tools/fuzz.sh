#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time from the committed seed corpus.
#   tools/fuzz.sh BUILD_DIR SECONDS [TARGET...]
set -euo pipefail
build=${1:-build/fuzz}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("${@:3}")
[ ${#targets[@]} -gt 0 ] || targets=(numbers table rules snapshot records phh ranges)
for target in "${targets[@]}"; do
  # Saved games are whole JSON documents, larger than the other targets' inputs.
  max_len=4096
  extra=()
  if [ "$target" = snapshot ]; then
    max_len=32768
    extra=(-dict="$root/fuzz/snapshot.dict")
  elif [ "$target" = records ] || [ "$target" = phh ]; then
    max_len=16384
  elif [ "$target" = rules ]; then
    # An input plays a few hands at most: longer ones only repeat what shorter ones reach.
    # The entropic schedule weighs every feature of every run, which costs more than the run
    # itself for a game with tens of thousands of features: the plain schedule tries more.
    max_len=140
    extra=(-entropic=0)
  fi
  work="$build/corpus-$target"
  mkdir -p "$work" "$build/artifacts"
  cp -n "$root/fuzz/corpus/$target"/* "$work"/ 2>/dev/null || true
  echo "== fuzz_$target for ${seconds}s"
  # Short allocation stacks: reports still name where memory went wrong, each malloc costs less.
  export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=4}
  "$build/fuzz/fuzz_$target" "$work" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" -max_len="$max_len" -len_control=0 "${extra[@]}"
done
