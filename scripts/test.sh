#!/bin/sh
# The test command: installs what is missing, builds, and runs every test,
# first in the normal build, then in the sanitizer build (address and
# undefined behaviour, leaks reported).
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
"$root/scripts/build.sh" build -DKESTREL_WERROR=$werror
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"
"$root/scripts/build.sh" build-asan -DKESTREL_WERROR=$werror -DKESTREL_SANITIZE=ON -DKESTREL_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j"$(nproc)"
