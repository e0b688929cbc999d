#!/usr/bin/env bash
# Installs what is missing, builds Plotwright and opens the sample project: in the desktop
# program when a display is there, otherwise its bill of quantities on the terminal.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build"
sample="$root/examples/garden.gzj"
desktop="$root/build/bin/plotwright"
if [[ -x "$desktop" && ( -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ) ]]; then
  exec "$desktop" "$sample"
fi
exec "$root/build/bin/plotwright-cli" bill "$sample"
