#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# asking apt only when something is missing. Packages named as arguments are
# installed besides.
set -euo pipefail
packages=(build-essential cmake ccache libgtest-dev libgmp-dev libbenchmark-dev qt6-base-dev
          qt6-translations-l10n fonts-ipafont-gothic fonts-ipafont-mincho xvfb xauth
          xdotool imagemagick poppler-utils clang-format clang libclang-rt-14-dev
          desktop-file-utils appstream python3-pyatspi at-spi2-core dbus-daemon
          cups printer-driver-cups-pdf "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq -o DPkg::Lock::Timeout=600
  apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
fi
