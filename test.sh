#!/usr/bin/env bash
# Installs what is missing, builds with -Werror and runs the whole suite headless.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UBSan build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
dir=build; extra=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize; extra=(-DDAYRAIL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  export ASAN_OPTIONS=detect_leaks=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$dir" -DDAYRAIL_WERROR=ON "${extra[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
