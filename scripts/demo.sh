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
"$kestrel" run ziggurat -o "$root/demo/ziggurat.svg"
"$kestrel" run ziggurat -o "$root/demo/ziggurat.png" --set drop_shadow=1 --set fill=1 --set alternate=1 \
  --set block_gap_method=4
"$kestrel" run scatterbox -o "$root/demo/scatterbox.svg"
"$kestrel" run scatterbox -o "$root/demo/scatterbox.png" --default-style "fill:#c33;stroke:#000;stroke-width:1" \
  --set fill=1 --set drop_shadow=1 --set basic_pattern=1 --set number_of_shapes=30 --set rotation_max=90
echo "wrote the pictures of demo/: $(cd "$root/demo" && ls | tr '\n' ' ')"
