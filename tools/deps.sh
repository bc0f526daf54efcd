#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing for the named sets.
#   tools/deps.sh [run] [test] [package] [data] [reader] [bench]
#   run      build the program and run it (X11 and Wayland); the default
#   test     the tools the test suite calls (it skips what is absent)
#   package  making and checking the .deb: cpack's dpkg-shlibdeps, lintian
#   data     remaking resources/workcal.txt (tools/make_workcal.py)
#   reader   the screen-reader check, tools/orca_check.py
#   bench    the benchmarks' private screens: bench/*.py, bench/onscreen.sh
set -euo pipefail

RUN=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-wayland
     libuemf-dev libical-dev qtkeychain-qt6-dev libgl1-mesa-dev fonts-dejavu-core fonts-dejavu-extra)
# PDF pages to pictures, WMF and EMF read back, desktop entry and metainfo
# checks, iCalendar files read and written by a second program, a private
# session bus with a mock notification service for the reminder agent, and the
# layout check of the C++ files that .ci/run makes; CalDAV servers (and git
# to seed one) for the sync tests.
TEST=(poppler-utils libwmf-bin emf2svg desktop-file-utils appstream python3-icalendar python3-vobject calcurse
      dbus python3-dbusmock
      radicale xandikos openssl git
      clang-format)
PACKAGE=(dpkg-dev file lintian)
DATA=(python3-workalendar)
# The screen-reader session replayed by tools/orca_check.py on a private screen.
READER=(orca python3-pyatspi at-spi2-core dbus-x11 xvfb openbox xdotool gnome-keyring)
# Private X and Wayland screens, a window manager, window look-up and closing,
# screenshots and the hostile cases' large pictures.
BENCH=(xvfb openbox xdotool wmctrl imagemagick weston)

[ $# -eq 0 ] && set -- run
wanted=()
for set in "$@"; do
  case "$set" in
    run) wanted+=("${RUN[@]}") ;;
    test) wanted+=("${TEST[@]}") ;;
    package) wanted+=("${PACKAGE[@]}") ;;
    data) wanted+=("${DATA[@]}") ;;
    reader) wanted+=("${READER[@]}") ;;
    bench) wanted+=("${BENCH[@]}") ;;
    *) echo "tools/deps.sh: unknown set '$set' (run, test, package, data, reader, bench)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${wanted[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
install=(apt-get install -y -q "${missing[@]}")
manual() {
  echo "tools/deps.sh: these packages are missing and cannot be installed from here:" >&2
  echo "  ${missing[*]}" >&2
  echo "Run as root (for example after 'su -'), then start again:" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
}
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  # A system installed with a root password has no sudo.
  manual
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q || manual
# sudo clears the environment: the setting goes through env.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive "${install[@]}" || manual
