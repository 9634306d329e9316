#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages the build needs that are missing,
# and those named as arguments (scripts/fuzz.sh asks for its compiler this way).
set -euo pipefail

packages=(
  cmake g++ make
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-private-dev qt6-charts-dev libqt6opengl6-dev fonts-noto-cjk nlohmann-json3-dev libcli11-dev libsqlite3-dev
  gcovr
  pkg-config coinor-libcbc-dev
  # CBC's pkg-config files link with -lbz2 -lz -llapack -lblas, and its -dev
  # packages do not bring all of those (zlib's least of all).
  libbz2-dev zlib1g-dev liblapack-dev libblas-dev
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
