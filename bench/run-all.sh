#!/usr/bin/env bash
# Runs every benchmark and prints one table: start-up and memory against a bare Qt dialog
# of the calculator's shape (same run, same Xvfb, no window manager, medians of 7), the
# keystroke path and the conversion arithmetic (Google Benchmark, offscreen), and the
# throughput of zarn-calc run and the latency of zarn-calc convert.
#
#   bench/run-all.sh [BUILD_DIR]      (default: build; builds the targets first)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=7
cmake --build "$build" --target zarn-calculator zarn-calc zarn-bench bare-dialog zarn-xwait >/dev/null
bin=$build/bin
work=$(mktemp -d)
trap 'kill "${xvfb_pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work QT_QPA_PLATFORMTHEME= LC_ALL=C.UTF-8

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# ---- Start-up and memory, under a private Xvfb ----------------------------------------------
display=:$((90 + RANDOM % 50))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do DISPLAY=$display "$bin/zarn-xwait" --ready >/dev/null 2>&1 && break; sleep 0.1; done
: >"$work/bare" ; : >"$work/zarn"
for _ in $(seq $runs); do   # alternate, so that both see the same machine
  DISPLAY=$display "$bin/zarn-xwait" "Bare Qt dialog" "$bin/bare-dialog" 2>/dev/null >>"$work/bare"
  DISPLAY=$display "$bin/zarn-xwait" "Zarn Calculator ver1.1" "$bin/zarn-calculator" 2>/dev/null >>"$work/zarn"
done
bare_ms=$(cut -d' ' -f1 "$work/bare" | median); zarn_ms=$(cut -d' ' -f1 "$work/zarn" | median)
bare_kib=$(cut -d' ' -f2 "$work/bare" | median); zarn_kib=$(cut -d' ' -f2 "$work/zarn" | median)

# ---- Keystroke and arithmetic (Google Benchmark), each in a fresh program ------------------------
: >"$work/bench.csv"
for name in BM_VolumeNotification BM_VolumeKeystroke BM_VolumeArithmetic; do
  "$bin/zarn-bench" --benchmark_filter="^$name\$" --benchmark_repetitions=$runs \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null >>"$work/bench.csv"
done
# The median's real time, in microseconds (each benchmark reports in microseconds).
bench() { awk -F, -v name="\"$1_median\"" '$1 == name { printf "%.3f", $3 }' "$work/bench.csv"; }

# ---- zarn-calc run throughput: 10,000 keystroke steps on the Volume sheet ---------------------
{ echo "tab Volume"; for i in $(seq 10000); do echo "type 10342 $((i % 97)).$((i % 10))"; done; } >"$work/steps.zcs"
: >"$work/run"
for _ in $(seq 3); do
  t0=$(date +%s%N); "$bin/zarn-calc" run "$work/steps.zcs" >/dev/null; t1=$(date +%s%N)
  echo $(( (t1 - t0) / 1000000 )) >>"$work/run"
done
run_ms=$(median <"$work/run")

# ---- zarn-calc convert, start to exit ----------------------------------------------------------
: >"$work/convert"
for _ in $(seq $runs); do
  t0=$(date +%s%N); "$bin/zarn-calc" convert volume 1 gallons >/dev/null; t1=$(date +%s%N)
  echo $(( (t1 - t0) / 1000000 )) >>"$work/convert"
done
convert_ms=$(median <"$work/convert")

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')
echo "Zarn Calculator benchmarks: $(date -u +%Y-%m-%d), $(nproc) cores, $cpu"
echo
echo "| measure | figure | target |"
echo "|---|---|---|"
printf '| start-up, exec to calculator mapped | %s ms (bare Qt dialog %s ms, ratio %s) | within 1.2 x the bare dialog |\n' \
  "$zarn_ms" "$bare_ms" "$(awk -v a="$zarn_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", a / b }')"
printf '| resident memory a second later | %s MiB (bare %s MiB, +%s MiB) | within 8 MiB of the bare dialog |\n' \
  "$(awk -v k="$zarn_kib" 'BEGIN { printf "%.1f", k / 1024 }')" "$(awk -v k="$bare_kib" 'BEGIN { printf "%.1f", k / 1024 }')" \
  "$(awk -v a="$zarn_kib" -v b="$bare_kib" 'BEGIN { printf "%.1f", (a - b) / 1024 }')"
printf '| keystroke on Volume, notification to last field written | %s us | at most 50 us |\n' "$(bench BM_VolumeNotification)"
printf '| keystroke on Volume, key press through the field to last field written | %s us | |\n' "$(bench BM_VolumeKeystroke)"
printf '| Volume arithmetic, sixteen units rounded | %s us (%s us a field) | well under 1 us a field |\n' \
  "$(bench BM_VolumeArithmetic)" "$(awk -v t="$(bench BM_VolumeArithmetic)" 'BEGIN { printf "%.3f", t / 16 }')"
printf '| zarn-calc run, 10,000 type steps on Volume | %s ms (%s steps a second) | under 1 s |\n' \
  "$run_ms" "$(awk -v t="$run_ms" 'BEGIN { printf "%d", 10000 / (t / 1000) }')"
printf '| zarn-calc convert, start to exit | %s ms | under 60 ms |\n' "$convert_ms"
