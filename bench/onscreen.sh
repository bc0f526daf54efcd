#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private Xvfb screen with a window manager, so that
# benchmarks and screenshots need no desktop.
#   bench/onscreen.sh [-w SECONDS] [-o PICTURE.png] -- COMMAND [ARG...]
# Without -w the command runs until it ends. With -w the screen is kept for
# SECONDS, then photographed (with -o) and the command ended if still running.
# Needs xvfb, openbox and imagemagick (tools/deps.sh bench).
set -euo pipefail
wait_s=""; shot=""
while [ $# -gt 0 ]; do
  case "$1" in
    -w) wait_s="$2"; shift 2 ;;
    -o) shot="$2"; shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: bench/onscreen.sh [-w SECONDS] [-o PICTURE.png] -- COMMAND [ARG...]" >&2
  exit 2
fi
if [ -n "$shot" ] && [ -z "$wait_s" ]; then
  echo "bench/onscreen.sh: -o needs -w" >&2
  exit 2
fi

display=150
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
runtime=$(mktemp -d) # Qt warns when the runtime folder is missing
pids=()
command_pid=""
finish() {
  if [ -n "${command_pid:-}" ]; then
    kill -TERM -- "-$command_pid" 2>/dev/null || true
    # The program saves on the way out: give it the screen until it has gone.
    for _ in $(seq 100); do
      kill -0 -- "-$command_pid" 2>/dev/null || break
      sleep 0.1
    done
    wait "$command_pid" 2>/dev/null || true
  fi
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[$i]}" 2>/dev/null || true
    wait "${pids[$i]}" 2>/dev/null || true
  done
  rm -rf "$runtime"
}
trap finish EXIT

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
[ -e "/tmp/.X11-unix/X$display" ] || { echo "bench/onscreen.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime"
chmod 700 "$runtime"
openbox >/dev/null 2>&1 &
pids+=($!)

# A group of its own, so that ending it ends whatever it started too.
setsid "$@" &
command_pid=$!
if [ -z "$wait_s" ]; then
  status=0
  wait "$command_pid" || status=$?
  exit "$status"
fi
sleep "$wait_s"
if [ -n "$shot" ]; then import -window root "$shot"; fi
