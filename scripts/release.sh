#!/usr/bin/env bash
# Makes the release packages in dist/:
#   quillstrom-<version>-windows-x64.zip   quillstrom.exe and quillstrom-cli.exe, static and
#                                         stripped, with README.txt (CR LF) and LICENSE.txt
#   quillstrom-<version>-windows-x64.msi   the same four files as an installer for one user,
#                                         with a Start-menu shortcut (wixl, from
#                                         packaging/windows/quillstrom.wxs)
#   quillstrom_<version>_amd64.deb        for Debian 12: both Linux programs, the desktop entry
#                                         and its icon, their manual pages, built with Debian's
#                                         own compiler flags
# The builds go to build-release/ and build-release-windows/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist="$root/dist"
version=$(sed -n 's/^project(Quillstrom VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
"$root/scripts/install-deps.sh" --release
mkdir -p "$dist"

# Windows: the two programs without their debug information, beside the texts a user reads.
source "$root/scripts/windows-build.sh"
windows_build_setup "$root/build-release-windows"
build_sqlite
windows_configure "$out/build" -DCMAKE_BUILD_TYPE=Release -DQUILL_TESTS=OFF
cmake --build "$out/build" -j "$jobs"
staging="$out/zip"
rm -rf "$staging" && mkdir -p "$staging"
for program in quillstrom quillstrom-cli; do
  x86_64-w64-mingw32-strip -o "$staging/$program.exe" "$out/build/$program.exe"
done
sed "s/@PROJECT_VERSION@/$version/; s/\$/\r/" "$root/packaging/README-windows.txt" >"$staging/README.txt"
sed 's/$/\r/' "$root/LICENSE" >"$staging/LICENSE.txt"
zip_file="$dist/quillstrom-$version-windows-x64.zip"
rm -f "$zip_file"
(cd "$staging" && zip -q -X "$zip_file" quillstrom.exe quillstrom-cli.exe README.txt LICENSE.txt)
bash "$root/packaging/windows/make-msi.sh" "$version" "$staging" "$dist/quillstrom-$version-windows-x64.msi"

# Debian: the Linux programs as a package, its dependencies taken from what they link. They are
# built hardened, with the flags dpkg-buildflags gives every Debian package.
linux="$root/build-release"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$root" -B "$linux" -DCMAKE_BUILD_TYPE=Release -DQUILL_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$linux" -j "$(nproc)"
(cd "$linux" && cpack -G DEB -B "$linux/package" >/dev/null)
cp "$linux/package/quillstrom_${version}_amd64.deb" "$dist/"

echo "Made in $dist:"
ls -1 "$dist"
