#!/usr/bin/env bash
# Installs what is needed, builds the release configuration and starts the program
# on its default design.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release
if [ -x build/release/bin/zelk ]; then
    exec build/release/bin/zelk "$@"
fi
exec build/release/bin/zelk-cli calculate "$@"
