#!/usr/bin/env bash
# Installs what is needed, builds with warnings as errors and runs every test.
# Exits non-zero on any failure. ZELK_SANITIZE=1 also runs the tests under ASan/UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Widget tests and test discovery at build time need no display.
export QT_QPA_PLATFORM=offscreen
bash scripts/build.sh ci
ctest --test-dir build/ci --output-on-failure -j "${ZELK_JOBS:-$(nproc)}"
if [ "${ZELK_SANITIZE:-0}" = "1" ]; then
    bash scripts/build.sh asan
    ctest --test-dir build/asan --output-on-failure -j "${ZELK_JOBS:-$(nproc)}"
fi
