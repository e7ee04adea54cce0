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

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "Opening the window on $cycle: press RUN to update the sample databases."
  exec "$build/quillstrom" "$cycle"
fi

echo "No display: updating with the headless tool."
status=0
"$build/quillstrom-cli" "$cycle" || status=$?
echo
echo "Sample cycle:      $cycle"
echo "Product databases: $sandbox (Orvanel/..., Halvern/Corvistan/...)"
echo "Work folder:       $sandbox/Orvanel/Quillstrom/"
echo "Look inside, e.g.: sqlite3 \"$sandbox/Orvanel/Skelmar Builder/GPS.DB\" 'select count(*) from NavWPT'"
exit "$status"
