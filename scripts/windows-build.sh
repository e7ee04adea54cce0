# Sourced by the scripts that cross-build for 64-bit Windows with MinGW-w64:
#   windows_build_setup OUT   sets toolchain, deps (below OUT) and sqlite, and installs the packages
#   build_sqlite              SQLite for Windows, once
#   build_googletest          GoogleTest for Windows, once
#   windows_configure DIR [cmake arguments...]

windows_build_setup() {
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  out=$(mkdir -p "$1" && cd "$1" && pwd)
  toolchain="$root/cmake/mingw-w64-x86_64.cmake"
  deps="$out/deps" # SQLite and GoogleTest, built for Windows
  jobs=$(nproc)
  "$root/scripts/install-deps.sh" --windows
}

# SQLite: Debian ships no Windows build, so it is built from the public-domain amalgamation that
# the better-sqlite3 package carries. The version is pinned and the package checked: this one
# carries SQLite 3.40.1, the release of Debian 12's libsqlite3, so both builds test one SQLite
# (later releases write stored numbers as text with more digits).
sqlite_package=better-sqlite3@8.1.0
sqlite_package_sha256=9006504eac0c86e8d5f42d6b7a8282866bf041bc856ff4438fec83cb98e4c05f
build_sqlite() {
  sqlite="$deps/${sqlite_package/@/-}"
  [ -f "$sqlite/libsqlite3.a" ] && return 0
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
  [ -f "$deps/lib/cmake/GTest/GTestConfig.cmake" ] && return 0
  cmake -S /usr/src/googletest -B "$out/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" >/dev/null
  cmake --build "$out/googletest" -j "$jobs" >/dev/null
  cmake --install "$out/googletest" >/dev/null
}

windows_configure() {
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DSQLite3_INCLUDE_DIR="$sqlite" -DSQLite3_LIBRARY="$sqlite/libsqlite3.a" "$@" >/dev/null
}
