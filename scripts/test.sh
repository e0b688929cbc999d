#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once normally, then all of
# them again under AddressSanitizer and UBSan (the windows under the offscreen platform).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
jobs="$(nproc)"

bash "$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure -j"$jobs")

bash "$root/scripts/build.sh" "$root/build-asan" -DPLOTWRIGHT_SANITIZE=ON \
  -DPLOTWRIGHT_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" ctest --output-on-failure -j"$jobs")
