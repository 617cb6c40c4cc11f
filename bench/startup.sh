#!/usr/bin/env bash
# Start-up benchmark: starts a virtual X server once, then runs the window
# program several times under it (one warm-up run, then 9 counted ones) and
# prints, per run and as medians, the time from exec to the mapped main
# window, the CPU time (user + system) spent until then, and the resident
# memory 2 s later. Goals: map <= 150 ms, resident memory <= 40 MB.
#
#   bench/startup.sh [BUILD_DIR] [-- start_watch options]   (default BUILD_DIR: build)
# STARTUP_PROGRAM=path measures another build of the program (to compare two).
set -euo pipefail
cd "$(dirname "$0")/.."
build="build"
if [ $# -gt 0 ] && [ "$1" != "--" ]; then
  build="$1"
  shift
fi
[ "${1:-}" = "--" ] && shift

program="${STARTUP_PROGRAM:-$build/zentaro}"
watch="$build/bench/start_watch"
if [ -f "$build/CMakeCache.txt" ]; then
  cmake --build "$build" --target zentaro start_watch >/dev/null
fi
for f in "$program" "$watch"; do
  [ -x "$f" ] || { echo "missing $f: configure and build $build first (tools/bootstrap.sh installs libxcb1-dev)" >&2; exit 1; }
done

tmp="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# The server picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$tmp/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
[ -s "$tmp/display" ] || { echo "Xvfb did not start" >&2; exit 1; }

mkdir -m 700 "$tmp/runtime"
export DISPLAY=":$(head -n1 "$tmp/display")" XDG_RUNTIME_DIR="$tmp/runtime"
unset QT_QPA_PLATFORM

echo "machine: $(nproc) cores, load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
"$watch" "$@" "$program" || status=$?
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "goals: map <= 150 ms, rss <= 40 MB"
exit "$status"
