#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, test and run.
# Runs apt-get only when something is missing, through sudo when not root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build clang clang-14 libclang-rt-14-dev clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    nlohmann-json3-dev libcli11-dev libcurl4-openssl-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
    fonts-liberation2 xvfb xauth poppler-utils python3 python3-pyftpdlib
    xdotool imagemagick
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
