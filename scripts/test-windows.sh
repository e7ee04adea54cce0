#!/usr/bin/env bash
# Cross-builds the program for 64-bit Windows with MinGW-w64 (the Win32 window quillstrom.exe,
# quillstrom-cli.exe and the tests), then runs the tests under Wine on a virtual X display with
# a window manager, where the window is drawn and framed: scripts/test-windows.sh [BUILD_DIR]
# (default ./build-windows). Everything it fetches or makes, the Wine prefix included, stays
# below BUILD_DIR, so a later run reuses it.
set -euo pipefail
source "$(dirname "$0")/windows-build.sh"
windows_build_setup "${1:-"$(dirname "$0")/../build-windows"}"

build_sqlite & sqlite_job=$!
build_googletest
wait "$sqlite_job"
sqlite="$deps/${sqlite_package/@/-}"

# Wine: a prefix of its own, made once; its loader is not on PATH. No wineserver is kept alive
# beyond its own short wait (-p would do that, and it could hold ctest's output open forever).
wine_folder=$(dpkg -L wine64 | while read -r file; do
  if [ "${file##*/}" = wine64 ] && [ -f "$file" ] && [ -x "$file" ]; then dirname "$file"; fi
done)
export WINEPREFIX="$out/wineprefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no offer to install .NET or a web engine
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Making the Wine prefix $WINEPREFIX"
  "$wine_folder/wine64" wineboot --init >/dev/null 2>&1
  "$wine_folder/wineserver64" -w
fi
# The window's font: Wine's own Tahoma, which Wine does not install into a prefix by itself.
cp -u /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

windows_configure "$out/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$wine_folder/wine64" -DGTest_DIR="$deps/lib/cmake/GTest"
cmake --build "$out/build" -j "$jobs"
# Wine's processes end before the display they draw on goes. Wine's loader now and then fails
# to start a program at all (no output, status 1 within milliseconds): such a test is started
# again, while one that fails on its own fails every time.
"$root/scripts/with-desktop.sh" bash -c 'status=0
  ctest --test-dir "$1" --output-on-failure -j "$2" --repeat until-pass:3 || status=$?
  "$3" -w
  exit "$status"' tests "$out/build" "$jobs" "$wine_folder/wineserver64"
