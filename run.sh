#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the program needs, builds it in build/ and starts it from its
# own folder (a portable copy: its files are kept in build/bin/).
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target dayrail tips_cal -j"$(nproc)"
cd build/bin
exec ./dayrail "$@"
