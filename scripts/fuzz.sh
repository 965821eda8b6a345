#!/usr/bin/env bash
# Builds the libFuzzer programs of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) in build-sanitize, then runs each for SECONDS
# (default 60), one after another, from the committed seed corpus. New
# inputs go to build-sanitize/corpus/NAME, crashing inputs to
# build-sanitize/findings/NAME; copy a finding into fuzz/reproducers/NAME once
# it is fixed, so `make test` keeps it fixed. Prints one line per harness.
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")/.."
source scripts/sanitize-env.sh
cmake --build build-sanitize --target fuzzers
names=${FUZZ_HARNESSES:-$(ls fuzz/corpus)}
status=0
for name in $names; do
  mkdir -p "build-sanitize/corpus/$name" "build-sanitize/findings/$name"
  log="build-sanitize/findings/$name.log"
  if ! "build-sanitize/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
      -artifact_prefix="build-sanitize/findings/$name/" -print_final_stats=1 \
      "build-sanitize/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  findings=$(find "build-sanitize/findings/$name" -type f | wc -l)
  echo "$name: ${runs:-?} inputs in ${seconds}s, $findings findings"
done
exit $status
