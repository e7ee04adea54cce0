#!/usr/bin/env bash
# Builds and runs every test twice: a normal build, then one with AddressSanitizer and UBSan.
# The normal build also runs the window tests on a virtual desktop (Xvfb with openbox).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen

"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
# The windows once more on an X server with a window manager, where they are framed.
QT_QPA_PLATFORM=xcb "$root/scripts/with-desktop.sh" \
  ctest --test-dir "$root/build" --output-on-failure -L desktop

"$root/scripts/build.sh" "$root/build-asan" -DQUILL_SANITIZE=ON
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)"
