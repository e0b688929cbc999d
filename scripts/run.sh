#!/usr/bin/env bash
# Installs what is missing, builds Plotwright and runs the main job on the sample project.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build"
exec "$root/build/bin/plotwright-cli" json "$root/examples/garden.gzj"
