#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only those that are missing, so a second run is quick.
set -euo pipefail
pkgs=(cmake g++ make pkg-config qt6-base-dev qt6-serialport-dev libsimpleini-dev libasound2-dev
      libgtest-dev googletest libbenchmark-dev fonts-wqy-microhei)
[ "${1:-}" = "--gui" ] && pkgs+=(xvfb xauth)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
