#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, `make run` and `make package`
# need, when missing, and any further packages named as arguments.
set -euo pipefail
packages=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-serialport-dev qt6-charts-dev
          libqt6opengl6-dev libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev
          libsdl2-dev clang libclang-rt-14-dev xvfb xauth dpkg-dev file "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
