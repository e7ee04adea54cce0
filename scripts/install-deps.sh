#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the sample run need, when any is missing.
# scripts/install-deps.sh --windows installs instead what the Windows cross-build and its tests
# under Wine, on a virtual X display, need; --release, what scripts/release.sh needs.
set -euo pipefail

packages=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libsqlite3-dev sqlite3 libgtest-dev libgmock-dev xvfb xauth openbox libxcb1-dev time)
case "${1:-}" in
  --windows) packages=(cmake g++-mingw-w64-x86-64-posix wine64 fonts-wine libgtest-dev googletest xvfb xauth openbox) ;;
  # The release: both builds, and what packs and checks the packages (wixl makes the Windows
  # installer, msitools reads it back, lintian judges the Debian package, Wine installs the
  # installer as a user would).
  --release) packages=("${packages[@]}" g++-mingw-w64-x86-64-posix zip unzip dpkg-dev file
                       wixl msitools lintian wine64) ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
