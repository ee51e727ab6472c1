#!/bin/sh
# Installs what building and testing Kestrel needs on Debian 12 (run as root).
# Packages already present are left alone; the package lists are refreshed
# only when something is missing.
set -eu
PACKAGES="cmake ninja-build g++ pkg-config binutils git
lib2geom-dev libboost-dev libglib2.0-dev libcairo2-dev libdouble-conversion-dev libgsl-dev
libpugixml-dev nlohmann-json3-dev libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
librsvg2-dev libjemalloc-dev"
missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing
fi
