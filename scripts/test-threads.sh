#!/usr/bin/env bash
# Builds the load and run tests with ThreadSanitizer and runs them, so that every hand-over
# between the run's threads is checked: scripts/test-threads.sh [BUILD_DIR] (default
# ./build-tsan). Any report fails the run. Kept apart from scripts/test.sh for its time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-tsan"}
"$root/scripts/install-deps.sh"
# The window has no threads of its own: the core and its tests are enough.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILL_THREAD_SANITIZER=ON \
  -DQUILL_WINDOW=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target test_load test_run
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}" \
  ctest --test-dir "$build" --output-on-failure -j "$(nproc)" -L '^test_(load|run)$'
