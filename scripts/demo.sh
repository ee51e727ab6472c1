#!/bin/sh
# The demo command: installs what is missing, builds, lists the plug-ins and
# writes a picture of each finished filter into demo/.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build
kestrel="$root/build/tools/kestrel/kestrel"
"$kestrel" plugins
mkdir -p "$root/demo"
"$kestrel" run wanderlust -o "$root/demo/wanderlust.svg"
"$kestrel" run wanderlust -o "$root/demo/wanderlust.png" --set copies=30 --set basic_pattern=1 \
  --set random_direction=1 --set jitter_x=25 --set scale_step=97
echo "wrote $root/demo/wanderlust.svg and $root/demo/wanderlust.png"
