#!/usr/bin/env python3
"""Median time from process start to the main window's first paint, and peak
memory, for dayrail and for the bare Qt baseline; runs each under a private
Xvfb screen.  Usage: bench/startup.py [BUILD_DIR] [RUNS]"""
import os, shutil, statistics, subprocess, sys, time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15

display = 170
while os.path.exists(f"/tmp/.X11-unix/X{display}"):
    display += 1
xvfb = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    for _ in range(50):
        if os.path.exists(f"/tmp/.X11-unix/X{display}"):
            break
        time.sleep(0.1)
    env = dict(os.environ, DISPLAY=f":{display}", QT_QPA_PLATFORM="xcb")

    def measure(program):
        times, rss = [], []
        for i in range(runs + 1):
            t0 = time.time_ns()
            proc = subprocess.Popen([program], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
            out = proc.stdout.read().decode()
            _, _, usage = os.wait4(proc.pid, 0)
            line = [l for l in out.splitlines() if l.startswith("first_paint_ns")]
            if not line:
                raise SystemExit(f"{program}: no paint reported")
            if i == 0:
                continue  # warm the file cache
            times.append((int(line[0].split()[1]) - t0) / 1e6)
            rss.append(usage.ru_maxrss / 1024.0)
        return statistics.median(times), statistics.median(rss)

    ours = measure(os.path.join(build, "bench", "bench_startup"))
    base = measure(os.path.join(build, "bench", "bench_baseline"))
    print(f"dayrail:  first paint {ours[0]:7.1f} ms   peak memory {ours[1]:6.1f} MiB")
    print(f"baseline: first paint {base[0]:7.1f} ms   peak memory {base[1]:6.1f} MiB")
    print(f"ratio:    time {ours[0] / base[0]:.2f}   memory {ours[1] / base[1]:.2f}   ({runs} runs, medians)")
finally:
    xvfb.terminate()
