#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any of them is missing.
set -euo pipefail
# xvfb: a test runs the program on an X server and then stops the server under it.
packages=(cmake ninja-build g++ clang libclang-rt-14-dev ccache qt6-base-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core fonts-dejavu-extra xvfb)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
