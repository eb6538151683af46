#!/usr/bin/env bash
# Runs the number text fuzzer for a bounded time from the seed corpus. New inputs go to a
# work directory, never into the corpus in the repository; an input that fails a check is
# kept there (crash-*) and printed.
set -u
fuzzer=$1 corpus=$2 dict=$3 work=$4 seconds=$5

rm -rf "$work"
mkdir -p "$work/new"
"$fuzzer" "$work/new" "$corpus" -dict="$dict" -max_total_time="$seconds" -max_len=4096 \
  -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" 2>"$work/log"
status=$?
grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|Done [0-9]+ runs)' "$work/log"
if [ $status -ne 0 ]; then
  tail -n 40 "$work/log"
  for crash in "$work"/crash-* "$work"/timeout-* "$work"/leak-*; do
    [ -e "$crash" ] || continue
    echo "failing input $crash:"
    od -A d -t x1z "$crash" | head -n 20
  done
fi
exit $status
