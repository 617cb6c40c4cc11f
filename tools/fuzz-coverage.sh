#!/usr/bin/env bash
# Line coverage of the fuzz corpora: builds the replay programs with clang's
# source-based coverage (build-coverage), replays every corpus and prints
# llvm-cov's report, for the core and for the command line apart.
#
# Usage: tools/fuzz-coverage.sh            (needs clang-14 and llvm-14)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="${COVERAGE_BUILD:-build-coverage}"
cxx="$(command -v clang++-14 || command -v clang++ || true)"
profdata="$(command -v llvm-profdata-14 || command -v llvm-profdata || true)"
cov="$(command -v llvm-cov-14 || command -v llvm-cov || true)"
if [ -z "$cxx" ] || [ -z "$profdata" ] || [ -z "$cov" ]; then
  echo "tools/fuzz-coverage.sh: clang++, llvm-profdata and llvm-cov (clang-14, llvm-14) are needed" >&2
  exit 77
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" "${launcher[@]}" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -fprofile-instr-generate -fcoverage-mapping" \
  -DCMAKE_EXE_LINKER_FLAGS="-fprofile-instr-generate" \
  -DZENTARO_CORE_ONLY=ON -DZENTARO_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_targets >/dev/null

profiles="$build/profiles"
rm -rf "$profiles"
mkdir -p "$profiles"
objects=()
for program in "$build"/fuzz/fuzz_*; do
  [ -x "$program" ] || continue
  name="$(basename "$program")"
  LLVM_PROFILE_FILE="$profiles/$name.profraw" "$program" "$root/fuzz/corpus/${name#fuzz_}" >/dev/null
  objects+=(-object "$program")
done
"$profdata" merge -sparse "$profiles"/*.profraw -o "$profiles/all.profdata"
first="${objects[1]}"
echo "== the core (src/ without cli/): regions, functions, lines, branches as llvm-cov counts them"
"$cov" report "$first" "${objects[@]:2}" -instr-profile="$profiles/all.profdata" \
  -ignore-filename-regex='/fuzz/[^/]*$|/tests/|/src/cli/|^/usr/' | tail -n 1
echo "== the command line (src/cli/)"
"$cov" report "$first" "${objects[@]:2}" -instr-profile="$profiles/all.profdata" \
  -ignore-filename-regex='/fuzz/[^/]*$|/tests/|/res/|/src/(base|units|media|analysis|calc|pages|controls)/|^/usr/' \
  | tail -n 1
