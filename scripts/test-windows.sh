#!/usr/bin/env bash
# Cross-builds the program for 64-bit Windows with MinGW-w64 (the Win32 window quillstrom.exe,
# quillstrom-cli.exe and the tests), then runs the tests under Wine on a virtual X display with
# a window manager, where the window is drawn and framed: scripts/test-windows.sh [BUILD_DIR]
# (default ./build-windows). Everything it fetches or makes, the Wine prefix included, stays
# below BUILD_DIR, so a later run reuses it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-"$root/build-windows"}" && cd "${1:-"$root/build-windows"}" && pwd)
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
deps="$out/deps" # SQLite and GoogleTest, built for Windows
jobs=$(nproc)

"$root/scripts/install-deps.sh" --windows

# SQLite: Debian ships no Windows build, so it is built from the public-domain amalgamation that
# the better-sqlite3 package carries. The version is pinned and the package checked: this one
# carries SQLite 3.40.1, the release of Debian 12's libsqlite3, so both builds test one SQLite
# (later releases write stored numbers as text with more digits).
sqlite_package=better-sqlite3@8.1.0
sqlite_package_sha256=9006504eac0c86e8d5f42d6b7a8282866bf041bc856ff4438fec83cb98e4c05f
sqlite="$deps/${sqlite_package/@/-}"
build_sqlite() {
  mkdir -p "$sqlite"
  local tarball
  tarball=$(npm pack --silent --pack-destination "$sqlite" "$sqlite_package" | tail -n 1)
  echo "$sqlite_package_sha256  $sqlite/$tarball" | sha256sum --check --quiet
  tar -xzf "$sqlite/$tarball" -C "$sqlite" --strip-components=3 \
    package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
  x86_64-w64-mingw32-gcc-posix -O2 -w -c "$sqlite/sqlite3.c" -o "$sqlite/sqlite3.o"
  x86_64-w64-mingw32-ar rcs "$sqlite/libsqlite3.a" "$sqlite/sqlite3.o"
}

# GoogleTest: built from the sources that Debian's googletest package ships.
build_googletest() {
  cmake -S /usr/src/googletest -B "$out/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" >/dev/null
  cmake --build "$out/googletest" -j "$jobs" >/dev/null
  cmake --install "$out/googletest" >/dev/null
}

if [ ! -f "$sqlite/libsqlite3.a" ]; then build_sqlite & sqlite_job=$!; fi
if [ ! -f "$deps/lib/cmake/GTest/GTestConfig.cmake" ]; then build_googletest; fi
if [ -n "${sqlite_job:-}" ]; then wait "$sqlite_job"; fi

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

cmake -S "$root" -B "$out/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$wine_folder/wine64" \
  -DSQLite3_INCLUDE_DIR="$sqlite" -DSQLite3_LIBRARY="$sqlite/libsqlite3.a" \
  -DGTest_DIR="$deps/lib/cmake/GTest" >/dev/null
cmake --build "$out/build" -j "$jobs"
# Wine's processes end before the display they draw on goes.
"$root/scripts/with-desktop.sh" bash -c 'status=0
  ctest --test-dir "$1" --output-on-failure -j "$2" || status=$?
  "$3" -w
  exit "$status"' tests "$out/build" "$jobs" "$wine_folder/wineserver64"
