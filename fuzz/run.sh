#!/bin/sh
# Builds every libFuzzer harness (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time, one harness at a time in one process.
#
#   fuzz/run.sh [SECONDS_PER_HARNESS] [HARNESS...]
#
# SECONDS_PER_HARNESS defaults to 20. The seed corpora in fuzz/corpus/ are
# only read; what the runs find is kept in build-fuzz/corpus/<harness>/, and a
# crashing, leaking or hanging input in build-fuzz/artifacts/<harness>/.
# Prints one line per harness (executions, seconds, result) and exits 1 when
# any harness failed.
set -eu

SECONDS_EACH=${1:-20}
[ $# -gt 0 ] && shift
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${QV_FUZZ_BUILD:-$ROOT/build-fuzz}
JOBS=${QV_FUZZ_BUILD_JOBS:-2}

HARNESSES="$*"
if [ -z "$HARNESSES" ]; then
  HARNESSES=$(sed -n '/^set(QV_FUZZ_HARNESSES/,/)/p' "$ROOT/fuzz/CMakeLists.txt" |
              sed -e 's/set(QV_FUZZ_HARNESSES//' -e 's/)//' | tr -s ' \n' ' ')
fi

mkdir -p "$BUILD"
BUILD_LOG="$BUILD/fuzz-build.log"
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  if ! CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -DQV_FUZZ=ON \
      -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF >"$BUILD_LOG" 2>&1; then
    tail -n 40 "$BUILD_LOG"; exit 2
  fi
fi
TARGETS=""
for h in $HARNESSES; do TARGETS="$TARGETS fuzz_$h"; done
# shellcheck disable=SC2086
if ! cmake --build "$BUILD" -j"$JOBS" --target $TARGETS >"$BUILD_LOG" 2>&1; then
  tail -n 40 "$BUILD_LOG"; exit 2
fi

SUMMARY="$BUILD/fuzz-summary.txt"
: >"$SUMMARY"
FAILED=0
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
# Leaks inside libcups itself (not in this code) are listed there.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$ROOT/fuzz/lsan.supp:print_suppressions=0}
# Scratch files of the harnesses go here, not into the system's /tmp.
export TMPDIR="$BUILD/fuzz-tmp"
mkdir -p "$TMPDIR"
for h in $HARNESSES; do
  work="$BUILD/corpus/$h"
  artifacts="$BUILD/artifacts/$h"
  log="$BUILD/fuzz-$h.log"
  mkdir -p "$work" "$artifacts"
  case $h in
    ppd_reads|conversion_table|xppd_cache|strings_table) maxlen=65536 ;;
    script_parser|layout_reader|saved_settings|preference_cache) maxlen=65536 ;;
    page_pass) maxlen=16384 ;;
    *) maxlen=4096 ;;
  esac
  status=0
  "$BUILD/fuzz/fuzz_$h" "$work" "$ROOT/fuzz/corpus/$h" \
    -max_total_time="$SECONDS_EACH" -timeout=20 -rss_limit_mb=2048 \
    -max_len="$maxlen" -close_fd_mask=3 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
  if [ "$status" -eq 0 ]; then result=ok; else result="FAILED (status $status, see $log)"; FAILED=1; fi
  printf '%-20s %10s runs %5ss  %s\n' "$h" "${runs:-?}" "${secs:-?}" "$result" | tee -a "$SUMMARY"
done
exit "$FAILED"
