#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 / Ubuntu, plus any packages
# named as arguments; asks sudo for root when needed.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev fonts-liberation fonts-dejavu-core
          xvfb xdotool imagemagick x11-utils python3 "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
