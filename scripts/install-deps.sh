#!/bin/sh
# Installs what building, testing and running Ordovan needs on Debian 12.
# Run as root (or through sudo).
set -e
PACKAGES="
  build-essential cmake pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5 libqt5svg5-dev
  libcups2-dev libssl-dev openssl ca-certificates
  cups-daemon cups-client cups-bsd
  sudo passwd util-linux
  xvfb xauth x11-apps imagemagick xdotool
"
if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
missing=
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi
