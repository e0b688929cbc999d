#!/usr/bin/env bash
# Pictures of the main views and dialogs for the documentation, taken from the
# real program with the sample project: docs/screenshots/*.png.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
out="${1:-$root/docs/screenshots}"

if [ ! -x "$build/bin/plotwright" ] || [ ! -x "$build/bin/template_screenshots" ]; then
  cmake -S "$root" -B "$build" -DPLOTWRIGHT_BENCHMARKS=OFF
  cmake --build "$build" -j2 --target plotwright pacelight plotwright-cli template_screenshots
fi

# A fresh documents folder: the run never touches the user's settings.
documents="$(mktemp -d)"
trap 'rm -rf "$documents"' EXIT
mkdir -p "$out"

export PLOTWRIGHT_DOCUMENTS_DIR="$documents"
export PLOTWRIGHT_SCREENSHOT_DIR="$out"
run=("$build/bin/plotwright" "$root/examples/garden.gzj")
if command -v xvfb-run >/dev/null 2>&1; then
  xvfb-run -a -s "-screen 0 1400x900x24" "${run[@]}"
else
  QT_QPA_PLATFORM=offscreen "${run[@]}"
fi
# The template windows, drawn offscreen.
QT_QPA_PLATFORM=offscreen "$build/bin/template_screenshots" "$out"

# A printed cover page and the first list page, from the PDF of the sample's bill.
pdf="$documents/bill.pdf"
"$build/bin/plotwright-cli" export "$root/examples/garden.gzj" -o "$pdf"
pdftoppm -png -r 110 -f 1 -l 1 -singlefile "$pdf" "$out/print-cover"
pdftoppm -png -r 110 -f 2 -l 2 -singlefile "$pdf" "$out/print-list"

ls -1 "$out"/*.png
