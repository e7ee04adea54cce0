#!/usr/bin/env bash
# Checks the packages scripts/release.sh made in dist/ as a user would: what the zip holds and
# that its programs need only Windows' own DLLs; that the Windows installer installs, starts,
# upgrades and removes cleanly under Wine; what the Debian package installs and needs, that
# lintian finds nothing in it, and that its programs start from the unpacked package and print
# their version.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^project(Quillstrom VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
zip_file="$root/dist/quillstrom-$version-windows-x64.zip"
msi_file="$root/dist/quillstrom-$version-windows-x64.msi"
deb_file="$root/dist/quillstrom_${version}_amd64.deb"
scratch=$(mktemp -d)
wine_folder=$(dirname "$(dpkg -L wine64 | grep '/wine/wine64$')")
# Wine keeps a prefix of its own here, and its server ends before the prefix goes.
export WINEPREFIX="$scratch/wineprefix" WINEARCH=win64 WINEDEBUG=-all
# No offer to install .NET or a web engine, and no menu entries on this machine's own desktop
# for the shortcuts the installer makes.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
clean_up() {
  [ -d "$WINEPREFIX" ] && "$wine_folder/wineserver64" -k 2>/dev/null
  rm -rf "$scratch"
}
trap clean_up EXIT
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

# The installer, under Wine: installed for one user, started, upgraded in place by a later
# version built from the same source, refused an earlier one, removed. A product database and
# the work folder below the roaming folder stay as they were throughout.
wine() { "$wine_folder/wine64" "$@" | tr -d '\r'; }
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }
# Runs msiexec ACTION MSI_FILE without a user interface, and waits until Wine has done all it
# does for it, its registry on disk included.
msiexec_quietly() {
  "$wine_folder/wine64" msiexec "$1" "$(windows_path "$2")" /qn
  local status=$?
  "$wine_folder/wineserver64" -w
  return "$status"
}
# A folder that Windows names by an environment variable, as a path here.
unix_folder() { wine winepath -u "$(wine cmd /c "echo %$1%")"; }
# Each entry under installed apps, as "name|version|publisher", for both users and the machine.
installed_apps() {
  awk 'function entry() {
      if (name != "") print name "|" version "|" publisher
      name = version = publisher = ""
    }
    function value() { sub(/^"[^"]*"="/, ""); sub(/"$/, ""); return $0 }
    /^\[/ { entry(); listed = index($0, "\\\\CurrentVersion\\\\Uninstall\\\\") > 0; next }
    listed && /^"DisplayName"=/ { name = value() }
    listed && /^"DisplayVersion"=/ { version = value() }
    listed && /^"Publisher"=/ { publisher = value() }
    END { entry() }' "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" | grep '^Quillstrom|'
}
# The program a shortcut starts, and the icon it shows, as Windows paths.
shortcut_target() { strings -a "$1" | grep -io '[a-z]:\\.*\.exe$'; }
shortcut_icon() { strings -a -el "$1" | grep -io '[a-z]:\\.*\.ico$'; }
fails() { ! "$@"; }
is_gone() { [ ! -e "$1" ] || { echo "$1 is still there" >&2; return 1; }; }
suminfo_word_count() { msiinfo suminfo "$1" | sed -n 's/^Source: \([0-9]*\).*/\1/p'; }

check "the installer is for 64-bit Windows" grep -qx 'Template: x64;1033' <<<"$(msiinfo suminfo "$msi_file")"
check "the installer needs no administrator" test $(( $(suminfo_word_count "$msi_file") & 8 )) -ne 0
"$wine_folder/wine64" wineboot --init >/dev/null 2>&1
"$wine_folder/wineserver64" -w
local_appdata=$(unix_folder LOCALAPPDATA)
appdata=$(unix_folder APPDATA)
program_folder="$local_appdata/Programs/Quillstrom"
shortcut="$appdata/Microsoft/Windows/Start Menu/Programs/Quillstrom.lnk"
mkdir -p "$appdata/Orvanel/Skelmar Builder" "$appdata/Orvanel/Quillstrom"
head -c 4096 /dev/urandom >"$appdata/Orvanel/Skelmar Builder/GPS.DB"
head -c 4096 /dev/urandom >"$appdata/Orvanel/Quillstrom/GPS.db"
cp -a "$appdata/Orvanel" "$scratch/orvanel-before"

check "the installer installs" msiexec_quietly /i "$msi_file"
check "the programs and texts of the zip are in the user's programs folder" \
  diff -r "$program_folder" "$scratch/zip"
check "the Start menu has a shortcut to the window" same "$(shortcut_target "$shortcut")" \
  "$(wine cmd /c 'echo %LOCALAPPDATA%')\\Programs\\Quillstrom\\quillstrom.exe"
check "the shortcut shows the window's icon" \
  cmp "$(wine winepath -u "$(shortcut_icon "$shortcut")")" "$root/data/artwork/satellite.ico"
check "installed apps list Quillstrom $version by its publisher" \
  same "$(installed_apps)" "Quillstrom|$version|the Quillstrom authors"
check "the installed window starts and prints its version" \
  same "$(wine "$program_folder/quillstrom.exe" --version)" "quillstrom $version"

next_version=$(awk -F. '{ print $1 "." $2 "." $3 + 1 }' <<<"$version")
mkdir "$scratch/next"
cp "$scratch/zip/"* "$scratch/next/"
sed -i "s/^Quillstrom $version for Windows/Quillstrom $next_version for Windows/" "$scratch/next/README.txt"
bash "$root/packaging/windows/make-msi.sh" "$next_version" "$scratch/next" "$scratch/next.msi"
check "a later version installs over it" msiexec_quietly /i "$scratch/next.msi"
check "installed apps list only the later version" \
  same "$(installed_apps)" "Quillstrom|$next_version|the Quillstrom authors"
check "the later version's files replaced the earlier ones" diff -r "$program_folder" "$scratch/next"
check "the Start menu still has Quillstrom" test -f "$shortcut"
check "an earlier version does not install over a later one" fails msiexec_quietly /i "$msi_file"
check "the later version stays after the refusal" \
  same "$(installed_apps)" "Quillstrom|$next_version|the Quillstrom authors"

check "the installer removes it" msiexec_quietly /x "$scratch/next.msi"
check "the programs are gone" is_gone "$program_folder"
check "the shortcut is gone" is_gone "$shortcut"
check "the installer's registry key is gone" fails grep -q '^\[Software\\\\Quillstrom\]' "$WINEPREFIX/user.reg"
check "installed apps no longer list it" same "$(installed_apps)" ""
check "the product database and the work folder are as they were" \
  diff -r "$scratch/orvanel-before" "$appdata/Orvanel"

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
