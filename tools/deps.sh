#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing for the named sets.
#   tools/deps.sh [run] [test] [package]
#   run      build the program and run it (X11 and Wayland); the default
#   test     the tools the test suite calls (it skips what is absent)
#   package  making and checking the .deb: cpack's dpkg-shlibdeps, lintian
set -euo pipefail

RUN=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-wayland
     libuemf-dev libical-dev libgl1-mesa-dev fonts-dejavu-core fonts-dejavu-extra)
# PDF pages to pictures, WMF and EMF read back, desktop entry and metainfo
# checks, iCalendar files read and written by a second program.
TEST=(poppler-utils libwmf-bin emf2svg desktop-file-utils appstream python3-icalendar)
# The screen-reader session replayed by tools/orca_check.py on a private screen.
TEST+=(orca python3-pyatspi at-spi2-core xvfb openbox xdotool)
PACKAGE=(dpkg-dev file lintian)

[ $# -eq 0 ] && set -- run
wanted=()
for set in "$@"; do
  case "$set" in
    run) wanted+=("${RUN[@]}") ;;
    test) wanted+=("${TEST[@]}") ;;
    package) wanted+=("${PACKAGE[@]}") ;;
    *) echo "tools/deps.sh: unknown set '$set' (run, test, package)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${wanted[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
