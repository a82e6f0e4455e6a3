#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Run as root (or through sudo) on Debian 12. Safe to run again: it does nothing
# when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libcups2-dev libqpdf-dev libpoppler-cpp-dev libplist-dev libplist++-dev libdeflate-dev nlohmann-json3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  cups cups-client cups-bsd cups-filters openprinting-ppds
  qpdf poppler-utils ghostscript
  clang clang-format libclang-rt-14-dev valgrind tzdata time
  libgtk-4-dev xvfb xauth xdotool
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Packages bring services (cupsd) that must not start inside containers or CI.
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
