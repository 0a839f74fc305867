#!/usr/bin/env bash
# Installs what building, running and testing the program needs on Debian 12.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  g++ cmake ninja-build ccache
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libqt6sql6-sqlite libqt6sql6-psql
  fonts-noto-cjk qt6-translations-l10n
  postgresql
  xvfb xauth poppler-utils sqlite3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
