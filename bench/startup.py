#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
"""Median time from process start to the main window's first paint, and peak
memory, for dayrail and for the bare Qt baseline. Each runs on a private
display server: Xvfb by default, a headless Weston compositor with --wayland.
The two programs take turns, so a change in the machine's load falls on both.
The lines they print on stderr (Qt's warnings) are counted per run.

Usage: bench/startup.py [--wayland] [BUILD_DIR] [RUNS]
Needs xvfb, or weston and qt6-wayland for --wayland."""
import collections, os, shutil, statistics, subprocess, sys, tempfile, time

args = sys.argv[1:]
wayland = "--wayland" in args
args = [a for a in args if a != "--wayland"]
build = args[0] if args else "build"
runs = int(args[1]) if len(args) > 1 else 15


def wait_for(path, server):
    for _ in range(100):
        if os.path.exists(path):
            return
        time.sleep(0.1)
    server.terminate()
    raise SystemExit(f"display server did not start ({path})")


def start_x11():
    runtime = tempfile.mkdtemp(prefix="startup-xdg-")  # else Qt warns of its absence
    display = 170
    while os.path.exists(f"/tmp/.X11-unix/X{display}") or os.path.exists(f"/tmp/.X{display}-lock"):
        display += 1
    server = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for(f"/tmp/.X11-unix/X{display}", server)
    return server, runtime, dict(os.environ, DISPLAY=f":{display}", QT_QPA_PLATFORM="xcb",
                                 XDG_RUNTIME_DIR=runtime)


def start_wayland():
    runtime = tempfile.mkdtemp(prefix="startup-xdg-")  # private (0700), as Wayland asks
    server = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=bench-0",
                               "--width=1280", "--height=1024", "--idle-time=0"],
                              env=dict(os.environ, XDG_RUNTIME_DIR=runtime),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for(os.path.join(runtime, "bench-0"), server)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="bench-0", QT_QPA_PLATFORM="wayland")
    env.pop("DISPLAY", None)
    return server, runtime, env


def run_once(program, env):
    """Milliseconds to the first paint, peak memory in MiB, stderr lines."""
    with tempfile.TemporaryFile() as err:
        t0 = time.time_ns()
        proc = subprocess.Popen([program], env=env, stdout=subprocess.PIPE, stderr=err)
        out = proc.stdout.read().decode()
        _, _, usage = os.wait4(proc.pid, 0)
        err.seek(0)
        messages = [l for l in err.read().decode(errors="replace").splitlines() if l.strip()]
    line = [l for l in out.splitlines() if l.startswith("first_paint_ns")]
    if not line:
        raise SystemExit(f"{program}: no paint reported\n" + "\n".join(messages))
    return (int(line[0].split()[1]) - t0) / 1e6, usage.ru_maxrss / 1024.0, messages


programs = {"dayrail": os.path.join(build, "bench", "bench_startup"),
            "baseline": os.path.join(build, "bench", "bench_baseline")}
server, runtime, env = start_wayland() if wayland else start_x11()
try:
    results = {name: ([], [], collections.Counter()) for name in programs}
    for i in range(runs + 1):
        for name, program in programs.items():
            ms, mib, messages = run_once(program, env)
            if i == 0:
                continue  # warms the file cache
            results[name][0].append(ms)
            results[name][1].append(mib)
            results[name][2].update(messages)
finally:
    server.terminate()
    server.wait()
    shutil.rmtree(runtime, ignore_errors=True)

ours, base = ({"ms": statistics.median(r[0]), "mib": statistics.median(r[1]), "warnings": r[2]}
              for r in (results["dayrail"], results["baseline"]))
print(f"platform: {'wayland (weston, headless)' if wayland else 'xcb (Xvfb)'}")
for name, r in (("dayrail", ours), ("baseline", base)):
    print(f"{name + ':':9} first paint {r['ms']:7.1f} ms   peak memory {r['mib']:6.1f} MiB")
print(f"ratio:    time {ours['ms'] / base['ms']:.2f}   memory {ours['mib'] / base['mib']:.2f}"
      f"   ({runs} runs, medians)")
for name, r in (("dayrail", ours), ("baseline", base)):
    print(f"{name} stderr lines: {sum(r['warnings'].values()) / runs:.1f} a run")
    for text, count in r["warnings"].most_common(5):
        print(f"  {count / runs:5.1f}x  {text[:120]}")
