#!/bin/sh
# Configures and builds one build folder: build.sh DIR [cmake options...]
set -eu
dir="$1"; shift
root="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$root" -B "$root/$dir" -G Ninja "$@" > "$root/$dir.configure.log" 2>&1 || { cat "$root/$dir.configure.log"; exit 1; }
cmake --build "$root/$dir" -j"$(nproc)"
