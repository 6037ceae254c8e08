#!/usr/bin/env bash
# The desktop program in a real X server: the `day` road through the windows on a copy of the
# demo folder, ending with a screenshot of the main window and its result table.
# Arguments: the kelvaro program, the demo folder, the screenshots folder.
set -euo pipefail
kelvaro=$1 examples=$2 screenshots=$3

if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "SKIPPED: xvfb-run is missing; scripts/install-deps installs it (Debian package xvfb)"
  exit 77
fi

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$examples"/* "$folder"/
mkdir -p "$screenshots"
shot="$screenshots/xvfb_main_window_day_run.png"
rm -f "$shot"

# Under the leak checker, what the system's session bus library keeps is not ours to free.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/xvfb_smoke_lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  "$kelvaro" --dir "$folder" --smoke-run "$shot" | tee "$folder/outcome.txt"

grep -q "^Last run, MARIC.day, study area 1: done$" "$folder/outcome.txt"
grep -q "^Almonds  1294.0  89.4  1204.6  1222.8$" "$folder/outcome.txt"
[ -f "$folder/SumofETAWforSA00001.saw" ]
# A picture of the window, not of an empty screen.
[ "$(stat -c %s "$shot")" -gt 20000 ]
echo "screenshot: $shot"
