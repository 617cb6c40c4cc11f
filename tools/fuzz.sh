#!/usr/bin/env bash
# Runs every fuzz target (fuzz/fuzz_*.cpp) for SECONDS each with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer (clang 14), starting from
# its committed corpus (fuzz/corpus/NAME), as many at a time as there are
# cores. What a run finds that reaches new code is merged into the corpus.
# An input that breaks a check or a sanitizer is minimised and added to the
# corpus too (the corpus replay then fails until the fault is mended); the
# script then ends with status 1.
#
# Usage: tools/fuzz.sh [SECONDS] [NAME...]    (default 60 s, every target)
# Environment: FUZZ_JOBS (parallel runs, default the number of cores),
# FUZZ_BUILD (build folder, default build-fuzz), FUZZ_RUNS (stop a target
# after this many executions, within SECONDS), FUZZ_GROW=0 (keep new
# coverage out of the corpus: only failing inputs are added).
# Status 77 when clang or its fuzzer runtime is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
seconds="${1:-60}"
shift || true

cxx="$(command -v clang++-14 || command -v clang++ || true)"
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }\n' >"$probe/p.cpp"
if [ -z "$cxx" ] || ! "$cxx" -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
  echo "tools/fuzz.sh: clang++ with its fuzzer runtime (clang-14, libclang-rt-14-dev) is needed" >&2
  exit 77
fi
build="${FUZZ_BUILD:-build-fuzz}"
jobs="${FUZZ_JOBS:-$(nproc)}"
flags="-O1 -g -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" "${launcher[@]}" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="$flags" \
  -DZENTARO_CORE_ONLY=ON -DZENTARO_BENCH=OFF -DZENTARO_FUZZ=ON >/dev/null
cmake --build "$build" -j"$jobs" --target fuzz_targets

if [ $# -gt 0 ]; then
  names=("$@")
else
  names=()
  for source in fuzz/fuzz_*.cpp; do
    name="$(basename "$source" .cpp)"
    names+=("${name#fuzz_}")
  done
fi

logs="$build/logs"
mkdir -p "$logs"
run_one() {
  local name="$1" program="$root/$build/fuzz/fuzz_$1" corpus="$root/fuzz/corpus/$1"
  local found="$root/$build/found/$1" crashes="$root/$build/crashes/$1"
  local options=(-max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=4096 -print_final_stats=1)
  [ -f "$root/fuzz/$1.dict" ] && options+=(-dict="$root/fuzz/$1.dict")
  [ -n "${FUZZ_RUNS:-}" ] && options+=(-runs="$FUZZ_RUNS")
  rm -rf "$found" "$crashes"
  mkdir -p "$found" "$crashes" "$corpus"
  local status=0
  ASAN_OPTIONS=detect_leaks=1 "$program" "${options[@]}" -artifact_prefix="$crashes/" "$found" "$corpus" \
    >"$root/$logs/$1.log" 2>&1 || status=$?
  # What reaches new code joins the corpus, in as few inputs as carry it.
  if [ "${FUZZ_GROW:-1}" != 0 ]; then
    "$program" -merge=1 "$corpus" "$found" >>"$root/$logs/$1.log" 2>&1 || true
  fi
  local runs
  runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$root/$logs/$1.log" | grep -o '[0-9]*$' | tail -1)"
  if [ "$status" -ne 0 ]; then
    for crash in "$crashes"/*; do
      [ -f "$crash" ] || continue
      "$program" -minimize_crash=1 -max_total_time=60 -exact_artifact_path="$crash.min" "$crash" \
        >>"$root/$logs/$1.log" 2>&1 || true
      local keep="$crash"
      [ -s "$crash.min" ] && keep="$crash.min"
      cp "$keep" "$corpus/crash-$(sha1sum "$keep" | cut -c1-16)"
    done
    echo "$1: FAILED after ${runs:-?} executions; see $logs/$1.log (input added to fuzz/corpus/$1)"
    return 1
  fi
  echo "$1: ${runs:-?} executions, corpus $(find "$corpus" -type f | wc -l) inputs"
}
export -f run_one
export root build seconds logs

printf '%s\n' "${names[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {}  || exit 1
