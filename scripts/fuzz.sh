#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds (default 20).
#   bash scripts/fuzz.sh 600                 every target for ten minutes
#   bash scripts/fuzz.sh 60 fuzz_roster      one target
# Findings are written to build-fuzz/artifacts/<target>/; replay one with
#   build-fuzz/bin/<target> build-fuzz/artifacts/<target>/crash-...
# The seed corpus in fuzz/corpus is copied, so runs never change the repository.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_roster fuzz_readlineup fuzz_inifile fuzz_conditionals fuzz_bidamount fuzz_lineupname
                             fuzz_orderscheck)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DSQUADRANT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null
status=0
for t in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$t"
  artifacts="build-fuzz/artifacts/$t"
  mkdir -p "$corpus" "$artifacts"
  cp -n fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null || true
  echo "== $t for ${seconds}s"
  if ! ASAN_OPTIONS=detect_leaks=0 build-fuzz/bin/"$t" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
       -rss_limit_mb=2048 -artifact_prefix="$artifacts/" -print_final_stats=1 "$corpus" 2>"build-fuzz/$t.log"; then
    echo "$t found a fault; see build-fuzz/$t.log and $artifacts"
    status=1
  fi
  grep -E '^stat::number_of_executed_units' "build-fuzz/$t.log" | sed "s/^/$t /" || true
done
exit $status
