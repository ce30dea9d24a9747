#!/usr/bin/env bash
# Installs the Debian packages that Koravel needs and that are missing.
# Usage: scripts/deps.sh run|test   (run: build and start; test: also the test tools)
set -euo pipefail

want=(cmake ninja-build g++ pkg-config
      qt6-base-dev qt6-translations-l10n fonts-arphic-uming fonts-dejavu-core)
if [ "${1:-run}" = test ]; then
  want+=(libgtest-dev libgmock-dev googletest libbenchmark-dev clang libclang-rt-14-dev
         cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
         desktop-file-utils man-db lintian dpkg-dev file strace)
fi

missing=()
for p in "${want[@]}"; do
  if [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null)" != "ii " ]; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
