#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Idempotent and non-interactive; silent when nothing is missing.
set -euo pipefail

packages=(
    cmake
    ninja-build
    g++
    pkg-config
    qt6-base-dev
    qt6-svg-dev
    libhidapi-dev
    libudev-dev
    libjpeg-dev
    libgif-dev
    libbenchmark-dev
    libgtest-dev
    googletest
    libpoco-dev
    python3-suds
    fonts-liberation
    clang
    libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "install-packages: missing ${missing[*]}; run this script as root" >&2
    exit 1
fi
echo "install-packages: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
