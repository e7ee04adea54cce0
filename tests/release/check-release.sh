#!/usr/bin/env bash
# Checks the packages scripts/release.sh made in dist/ as a user would: what the zip holds and
# that its programs need only Windows' own DLLs; what the Debian package installs and needs,
# that lintian finds nothing in it, and that its programs start from the unpacked package and
# print their version.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^project(Quillstrom VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
zip_file="$root/dist/quillstrom-$version-windows-x64.zip"
deb_file="$root/dist/quillstrom_${version}_amd64.deb"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0
check() { # DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what" >&2
  fi
}
same() { [ "$1" = "$2" ] || { printf 'expected:\n%s\ngot:\n%s\n' "$2" "$1" >&2; return 1; }; }

# Windows' own DLLs, which every Windows has.
system_dlls="advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll
oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll ws2_32.dll bcrypt.dll"
imports_only_system_dlls() {
  local dll
  for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    [[ " $(echo $system_dlls) " == *" $dll "* ]] || { echo "$1 imports $dll" >&2; return 1; }
  done
}
has_no_debug_information() { ! x86_64-w64-mingw32-objdump -h "$1" | grep -q '\.debug'; }
every_line_ends_in_cr_lf() { ! grep -q $'[^\r]$' "$1" && [ -s "$1" ]; }
# Errors and warnings fail; lintian shows nothing else unless asked.
lintian_is_silent() {
  local report
  report=$(lintian --fail-on error,warning "$1" 2>/dev/null) && [ -z "$report" ] ||
    { echo "$report" >&2; return 1; }
}

check "the zip holds the two programs and two texts" \
  same "$(unzip -Z1 "$zip_file" | sort)" "$(printf '%s\n' LICENSE.txt README.txt quillstrom-cli.exe quillstrom.exe)"
unzip -q "$zip_file" -d "$scratch/zip"
for program in quillstrom.exe quillstrom-cli.exe; do
  check "$program needs only Windows' own DLLs" imports_only_system_dlls "$scratch/zip/$program"
  check "$program is stripped" has_no_debug_information "$scratch/zip/$program"
done
check "README.txt is in CR LF" every_line_ends_in_cr_lf "$scratch/zip/README.txt"
check "README.txt names the version" grep -q "Quillstrom $version for Windows" "$scratch/zip/README.txt"


check "the package is quillstrom $version for amd64" \
  same "$(dpkg-deb -f "$deb_file" Package Version Architecture)" \
  "$(printf 'Package: quillstrom\nVersion: %s\nArchitecture: amd64' "$version")"
depends=$(dpkg-deb -f "$deb_file" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libsqlite3-0 libc6 libstdc++6; do
  check "the package depends on $needed" grep -q "\b$needed\b" <<<"$depends"
done
check "the package installs exactly its files" same "$(dpkg-deb -c "$deb_file" | awk '$1 !~ /^d/ {print $6}' | sort)" \
  "$(printf '%s\n' ./usr/bin/quillstrom ./usr/bin/quillstrom-cli \
      ./usr/share/applications/quillstrom.desktop ./usr/share/doc/quillstrom/changelog.gz \
      ./usr/share/doc/quillstrom/copyright ./usr/share/icons/hicolor/48x48/apps/quillstrom.png \
      ./usr/share/man/man1/quillstrom-cli.1.gz ./usr/share/man/man1/quillstrom.1.gz)"
check "lintian finds nothing in the package" lintian_is_silent "$deb_file"
dpkg-deb -x "$deb_file" "$scratch/deb"
check "the copyright file is the license" cmp -s "$scratch/deb/usr/share/doc/quillstrom/copyright" "$root/LICENSE"
check "the changelog's entry is this version's" bash -c \
  "zcat '$scratch/deb/usr/share/doc/quillstrom/changelog.gz' | head -n 1 | grep -q '^quillstrom ($version) '"
for page in quillstrom quillstrom-cli; do
  check "the manual page of $page reads" \
    bash -c "zcat '$scratch/deb/usr/share/man/man1/$page.1.gz' | grep -q '^.SH EXIT STATUS'"
done
check "quillstrom-cli starts and prints its version" \
  same "$("$scratch/deb/usr/bin/quillstrom-cli" --version)" "quillstrom-cli $version"
check "quillstrom starts and prints its version" \
  same "$("$scratch/deb/usr/bin/quillstrom" --version)" "quillstrom $version"

echo "release: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
