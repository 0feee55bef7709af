#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# and only those that dpkg does not find already.
set -euo pipefail
pakete=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev valgrind
  fonts-liberation2 fontconfig locales-all
  xvfb xauth
  librsvg2-bin desktop-file-utils appstream dpkg-dev
)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || fehlend+=("$p")
done
if [ ${#fehlend[@]} -eq 0 ]; then
  exit 0
fi
echo "install-deps: installing ${fehlend[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${fehlend[@]}"
