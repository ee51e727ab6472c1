#!/bin/sh
# check_exports.sh LIBRARY: passes when the library's dynamic symbol table
# defines PluginMain and no other symbol.
set -eu
symbols=$(nm -D --defined-only "$1" | awk '{ print $NF }' | sort)
if [ "$symbols" != "PluginMain" ]; then
  echo "exported symbols of $1 are not just PluginMain:"
  echo "$symbols"
  exit 1
fi
