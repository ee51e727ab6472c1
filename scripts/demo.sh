#!/bin/sh
# The demo command: installs what is missing, builds, lists the plug-ins and
# writes a picture of each finished filter into demo/.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build
kestrel="$root/build/tools/kestrel/kestrel"
"$kestrel" plugins
