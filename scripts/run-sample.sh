#!/usr/bin/env bash
# Builds the program, installs sample product databases into ./sandbox (never into the
# user's own folders) and updates them from the bundled sample cycle: in the window when a
# display is available, with the headless tool otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
sandbox="$root/sandbox"
cycle="$root/data/sample"

"$root/scripts/build.sh" "$build"

# The program looks for the products below APPDATA when it is set.
export APPDATA="$sandbox"
products=(
  "Orvanel/Skelmar Builder/GPS.DB"
  "Orvanel/Skelmar Console/GPS.DB"
  "Halvern/Corvistan/NavData/GPS.DB"
  "Halvern/Corvistan/NavDataGPSEFIS/GPSEFIS.DB"
  "Halvern/Corvistan/NavDataGPSMFD/GPSMFD.DB"
  "Orvanel/Brannock3/NavData/GPS.DB"
  "Orvanel/Brannock3/NavDataGPSEFIS/GPSEFIS.DB"
  "Orvanel/Brannock3/NavDataGPSMFD/GPSMFD.DB"
)
for product in "${products[@]}"; do
  mkdir -p "$sandbox/$(dirname "$product")"
  rm -f "$sandbox/$product"
  sqlite3 "$sandbox/$product" < "$root/data/product_schema.sql"
done
echo "Installed ${#products[@]} empty sample product databases below $sandbox"

status=0
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "Updating in the window: it runs by itself and closes when done."
  "$build/quillstrom" "$cycle" start || status=$?
else
  echo "No display: updating with the headless tool."
  "$build/quillstrom-cli" "$cycle" || status=$?
fi
echo
echo "Sample cycle:      $cycle"
echo "Product databases: $sandbox (Orvanel/..., Halvern/Corvistan/...)"
echo "Work folder:       $sandbox/Orvanel/Quillstrom/"
echo "Look inside, e.g.: sqlite3 \"$sandbox/Orvanel/Skelmar Builder/GPS.DB\" 'select count(*) from NavWPT'"
exit "$status"
