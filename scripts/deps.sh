#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need, and only
# those that are missing. Safe to run any number of times.
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils firebird3.0-server
  nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils xvfb xauth fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
