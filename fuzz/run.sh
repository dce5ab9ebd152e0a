#!/usr/bin/env bash
# Runs every fuzz target of a fuzzing build (preset "fuzz").
#   fuzz/run.sh BUILD_DIR runs N      N executions per target
#   fuzz/run.sh BUILD_DIR seconds S   S seconds per target
# Extra arguments go to libFuzzer; FUZZ_TARGETS="a b" runs only those targets.
# Each target starts from its seed corpus (fuzz/corpus/<target>, read only)
# plus what earlier runs found in BUILD_DIR/fuzz-corpus/<target>; logs and
# crashing inputs are written to BUILD_DIR/fuzz-artifacts; nothing is left
# in /tmp. Ends with the line
# "fuzz: N passed, N failed"; exits non-zero when any target finds a fault.
set -uo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="${1:?build folder}"
mode="${2:-runs}"
amount="${3:-100000}"
shift 3 2>/dev/null || shift $#

case "$mode" in
  runs) limit=(-runs="$amount") ;;
  seconds) limit=(-max_total_time="$amount") ;;
  *) echo "usage: $0 BUILD_DIR runs|seconds AMOUNT [libFuzzer options]" >&2; exit 2 ;;
esac

# FUZZ_TARGETS="a b" runs only those.
read -r -a targets <<< "${FUZZ_TARGETS:-fuzz_channel_csv fuzz_firmware_file fuzz_reply_dispatcher fuzz_text_conversions fuzz_ini fuzz_transfers fuzz_fixture_file}"
mkdir -p "$build/fuzz-artifacts"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=()
for target in "${targets[@]}"; do
  binary="$build/fuzz/$target"
  if [ ! -x "$binary" ]; then
    echo "fuzz: $binary is missing (build the target fuzz_targets)" >&2
    failed+=("$target")
    continue
  fi
  corpus="$build/fuzz-corpus/$target"
  mkdir -p "$corpus"
  log="$build/fuzz-artifacts/$target.log"
  start=$(date +%s)
  # Channel files: inputs large enough to show a quadratic loader, and a
  # time limit per input that such a loader breaks.
  case "$target" in
    fuzz_channel_csv) sizes=(-max_len=65536 -timeout=2) ;;
    *) sizes=(-max_len=4096 -timeout=25) ;;
  esac
  # Scratch files of the target (FuzzScratchFolder) go to a folder of the
  # run's own, removed however the target ends.
  scratch="$(mktemp -d "$build/fuzz-scratch.XXXXXX")"
  TMPDIR="$scratch" "$binary" "${limit[@]}" "${sizes[@]}" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-artifacts/$target-" "$@" "$corpus" "$here/corpus/$target" >"$log" 2>&1
  status=$?
  rm -rf "$scratch"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -Eo 'cov: [0-9]+' "$log" | tail -1)
  echo "fuzz: $target: ${runs:-?} runs in $(( $(date +%s) - start )) s, ${cov:-cov: ?}, exit $status"
  if [ $status -ne 0 ]; then
    failed+=("$target")
    grep -E '^==[0-9]+==|^SUMMARY|check failed|runtime error|Test unit written' "$log" | head -20 >&2
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: faults found by: ${failed[*]} (logs and inputs in $build/fuzz-artifacts)" >&2
fi
echo "fuzz: $(( ${#targets[@]} - ${#failed[@]} )) passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
