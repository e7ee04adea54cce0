#!/usr/bin/env bash
# Makes the Windows installer from quillstrom.wxs with wixl:
#   packaging/windows/make-msi.sh VERSION FOLDER MSI_FILE
# FOLDER holds what the zip holds: quillstrom.exe, quillstrom-cli.exe, README.txt, LICENSE.txt.
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 VERSION FOLDER MSI_FILE" >&2; exit 64; }
here=$(cd "$(dirname "$0")" && pwd)
msi=$(realpath "$3")
# wixl finds the files it packs only by paths relative to where it runs.
cd "$2"
wixl --arch x64 -D Version="$1" -D Icon="$(realpath --relative-to=. "$here/../../data/artwork/satellite.ico")" \
  -o "$msi" "$here/quillstrom.wxs"
