#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with -Werror and runs the whole suite headless.
#   ./test.sh             normal build in build-test/
#   ./test.sh --sanitize  AddressSanitizer, LeakSanitizer + UBSan build in build-sanitize/
# Neither touches build/, which ./run.sh keeps.
set -euo pipefail
cd "$(dirname "$0")"
dir=build-test; extra=()
case "${1:-}" in
  "") ;;
  --sanitize)
    dir=build-sanitize; extra=(-DDAYRAIL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
    # Leaks fail a test like any other fault.
    export ASAN_OPTIONS=detect_leaks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ;;
  *) echo "usage: ./test.sh [--sanitize]" >&2; exit 2 ;;
esac
tools/deps.sh run test
cmake -S . -B "$dir" -DDAYRAIL_WERROR=ON "${extra[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
