#!/usr/bin/env bash
# Installs what is missing, builds, and starts Dayrail XP from its own folder.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target dayrail tips_cal -j"$(nproc)"
cd build/bin
exec ./dayrail "$@"
