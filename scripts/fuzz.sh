#!/usr/bin/env bash
# Builds the libFuzzer target TARGET (tests/fuzz/TARGET_fuzz.cpp) with clang
# and the address and undefined-behaviour sanitizers in build-fuzz/, then runs
# it for SECONDS over a fresh working copy of its committed corpus.  Any
# crashing input lands in tests/fuzz/corpus/TARGET/ to be committed, where
# the normal suite replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: scripts/fuzz.sh TARGET SECONDS"
target=${1:?$usage}
seconds=${2:?$usage}
corpus=tests/fuzz/corpus/$target
[ -d "$corpus" ] || { echo "no corpus $corpus" >&2; exit 2; }

if ! command -v clang++ >/dev/null || ! command -v cmake >/dev/null; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends clang cmake
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLIMOR_FUZZ=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target "fuzz_$target"

work=build-fuzz/corpus-$target
rm -rf "$work"
cp -r "$corpus" "$work"
log=build-fuzz/fuzz-$target.log
echo "Fuzzing $target for $seconds s over $(ls "$work" | wc -l) inputs; log in $log"
rc=0
"build-fuzz/fuzz_$target" "$work" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$corpus/" >"$log" 2>&1 || rc=$?
grep -E '^(stat::|Done )|^#[0-9]+[[:space:]]+DONE' "$log" || true
echo "corpus: $(ls "$work" | wc -l) inputs (working copy, not committed)"
if [ "$rc" -ne 0 ]; then
  tail -n 40 "$log"
  echo "The target failed (exit $rc); the input is in $corpus/:"
  git status --short -- "$corpus"
fi
exit "$rc"
