#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Does nothing when they are all present. Run as root.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6opengl6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core
  wamerican
  libpsl-dev publicsuffix
  clang-format
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
